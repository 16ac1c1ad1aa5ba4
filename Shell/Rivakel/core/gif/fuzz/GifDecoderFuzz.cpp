// Any bytes: the decoder answers 0 or 6 and stays inside its buffers.
#include <cstdlib>

#include "core/gif/GifDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Small caps keep each run fast; the checks are the same at any cap.
    GifLimits limits;
    limits.maxSide = 1024;
    limits.maxScreenPixels = 256 * 1024;
    limits.maxFramePixels = 1024 * 1024;
    limits.maxTotalBytes = 16 * 1024 * 1024;
    limits.maxTotalFramePixels = 4 * 1024 * 1024;
    static const GifColourPair kMap[] = {{0xFF0000, 0x0000FF}, {0x000000, 0xFFFFFF}};
    GifImage image;
    const int result = DecodeGif(std::span<const uint8_t>(data, size), image, "fuzz", kMap, limits);
    if (result != kGifOk && result != kGifBadData) std::abort();
    for (const GifFrame& frame : image.frames)
        if (frame.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height)) std::abort();
    return 0;
}
