// Loading and composing the shell's pictures.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/gif/GifDecoder.h"

class CImage;
class CSurface;
class CFont;

// The picture as a surface with one internal reference for the caller; null (logged) when the
// file is missing, is not a picture or is past `limits`.
CSurface* LoadPicture(std::string_view name, unsigned flags = 0, const GifLimits& limits = {});
// A colour-keyed picture of that size cleared to the key (or `fill` when given), with one
// internal reference for the caller.
CImage* NewStrip(int width, int height, int64_t fill = -1);
// The width of text in a font; 0 without one.
int TextWidth(CFont* font, std::string_view text);
