// Image sequences: frames with their durations, played once or looping.
#pragma once

#include "frame/api/ShellObject.h"

class IImage;

// Frame indexes outside 0 to count - 1 answer kUnknownObject (4) and change nothing. Frame times
// are held between 0 and kMaxFrameTimeMs.
inline constexpr int kMaxFrameTimeMs = 3600000;

class IImageSeq : public IShellObject {
public:
    // The sequence takes a reference on the image. 1 for a null image.
    virtual int AddImage(IImage* image, int timeMs) = 0;                       // 2
    // An image not in the sequence is logged and answers 0.
    virtual int RemoveImage(IImage* image) = 0;                                // 3
    // A new object the caller releases; null and kUnknownObject for a bad index.
    virtual int GetImage(int index, IImage** out) = 0;                         // 4
    // The frame shown at that time after the start (50 ms steps): a looping sequence wraps, one
    // that does not loop holds its last frame. False only when a looping sequence wrapped.
    virtual bool GetImageAtTime(int timeMs, IImage** out) = 0;                 // 5
    virtual int SetLoop(bool loop) = 0;                                        // 6
    virtual int GetImageCount(int* out) = 0;                                   // 7
    virtual int GetFrameTime(int* out, int index) = 0;                         // 8
    // `count` pairs {from, to} of 0xRRGGBB in every image; null or count <= 0 replaces nothing.
    virtual int ReplaceColors(int count, const int* pairs) = 0;                // 9
    virtual int SetFrameTime(int index, int timeMs) = 0;                       // 10
    virtual int GetLoop(bool* out) = 0;                                        // 11

protected:
    IImageSeq() = default;
    ~IImageSeq() override = default;
};
