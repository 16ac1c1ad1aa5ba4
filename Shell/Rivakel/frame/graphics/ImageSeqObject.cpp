#include "frame/graphics/ImageSeqObject.h"

#include <algorithm>

#include "frame/graphics/GraphicsObjects.h"
#include "frame/graphics/ImageObject.h"

namespace {

// Keeps the sequence's time table bounded whatever an applet asks for.
int BoundedFrameTime(int timeMs) { return std::clamp(timeMs, 0, kMaxFrameTimeMs); }

}  // namespace

int ImageSeqObject::AddImage(IImage* image, int timeMs) {
    return inner()->AddImage(Unwrap<CImage>(image), BoundedFrameTime(timeMs));
}

int ImageSeqObject::RemoveImage(IImage* image) { return inner()->RemoveImage(Unwrap<CImage>(image)); }

int ImageSeqObject::GetImage(int index, IImage** out) {
    CImage* image = nullptr;
    const int result = inner()->GetImage(index, image);
    StoreFound<ImageObject>(out, image);
    return result;
}

bool ImageSeqObject::GetImageAtTime(int timeMs, IImage** out) {
    CImage* image = nullptr;
    const bool result = inner()->GetImageAtTime(static_cast<uint32_t>(std::max(timeMs, 0)), image);
    StoreFound<ImageObject>(out, image);
    return result;
}

int ImageSeqObject::SetLoop(bool loop) {
    inner()->SetLoop(loop);
    return 0;
}

int ImageSeqObject::GetImageCount(int* out) {
    StoreInt(out, inner()->ImageCount());
    return 0;
}

int ImageSeqObject::GetFrameTime(int* out, int index) {
    int timeMs = 0;
    const int result = inner()->GetFrameTime(timeMs, index);
    StoreInt(out, timeMs);
    return result;
}

int ImageSeqObject::ReplaceColors(int count, const int* pairs) {
    return ReplaceColoursIn(*inner(), count, pairs, "IImageSeq::ReplaceColors");
}

int ImageSeqObject::SetFrameTime(int index, int timeMs) {
    return inner()->SetFrameTime(index, BoundedFrameTime(timeMs));
}

int ImageSeqObject::GetLoop(bool* out) {
    if (out != nullptr) *out = inner()->Loops();
    return 0;
}

IImageSeq* MakeImageSeqObject(CImageSeq* sequence) {
    return sequence != nullptr ? new ImageSeqObject(sequence) : nullptr;
}
