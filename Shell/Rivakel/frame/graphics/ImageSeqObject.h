// The image sequence slots over a shell image sequence.
#pragma once

#include "core/graphics/ImageSeq.h"
#include "frame/api/IImageSeq.h"
#include "frame/graphics/GraphicsObject.h"

class ImageSeqObject final : public GraphicsObject<IImageSeq, CImageSeq> {
public:
    using GraphicsObject::GraphicsObject;

    int AddImage(IImage* image, int timeMs) override;
    int RemoveImage(IImage* image) override;
    int GetImage(int index, IImage** out) override;
    bool GetImageAtTime(int timeMs, IImage** out) override;
    int SetLoop(bool loop) override;
    int GetImageCount(int* out) override;
    int GetFrameTime(int* out, int index) override;
    int ReplaceColors(int count, const int* pairs) override;
    int SetFrameTime(int index, int timeMs) override;
    int GetLoop(bool* out) override;
};
