// Interface objects over the shell's picture objects. Each takes one interface reference on
// its shell object (Borrowed: none) and is null for a null shell object.
#pragma once

#include "frame/api/IAnim.h"
#include "frame/api/ICursor.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/ISurface.h"

class CAnim;
class CCursor;
class CEditField;
class CFont;
class CImage;
class CImageSeq;
class CSurface;

ISurface* MakeSurfaceObject(CSurface* surface);
// For surfaces the shell window owns (the record's game and page areas): no reference.
ISurface* MakeBorrowedSurfaceObject(CSurface* surface);
IEditField* MakeEditFieldObject(CEditField* field);
IImage* MakeImageObject(CImage* image);
IImageSeq* MakeImageSeqObject(CImageSeq* sequence);
IAnim* MakeAnimObject(CAnim* anim);
IFont* MakeFontObject(CFont* font);
ICursor* MakeCursorObject(CCursor* cursor);
