// The 32-bit pixel buffer that applets read and write pictures through.
#pragma once

#include <cstdint>

struct PixelBuffer {
    uint32_t colourKey = 0xFF00FF;
    int width = 0;
    int height = 0;
    uint32_t* pixels = nullptr;  // width x height, rows top to bottom
};
