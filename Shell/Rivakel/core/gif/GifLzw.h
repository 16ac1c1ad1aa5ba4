// The LZW stage of the GIF decoder: turns one frame's code stream into pixels on a screen-sized
// 0xRRGGBB buffer.
#pragma once

#include <array>
#include <cstdint>
#include <span>

// Where one frame's pixels go.
struct GifFrameTarget {
    uint32_t* screen = nullptr;  // screenWidth x screenHeight pixels, rows without padding
    int screenWidth = 0, screenHeight = 0;
    int left = 0, top = 0, width = 0, height = 0;  // the frame's rectangle; may leave the screen
    bool interlaced = false;
    const std::array<uint32_t, 256>* palette = nullptr;  // indices beyond the file's table are black
    int transparentIndex = -1;                           // -1: every pixel is drawn
};

enum class GifLzwStatus {
    Complete,  // every pixel of the rectangle was written
    Short,     // the stream ended (end code or last code) before the last pixel
    Corrupt,   // a code that names no string; the pixels before it were written
};

// `codes` is the frame's data sub-blocks joined together; `minCodeSize` must be 1 to 8.
GifLzwStatus DecodeGifLzw(const GifFrameTarget& target, int minCodeSize, std::span<const uint8_t> codes);
