// A 0xRRGGBB colour handed to an image, which takes its pen, text and fill colours in three parts.
#pragma once

#include <cstdint>

#include "frame/api/IImage.h"

namespace image_colour {
inline int Red(uint32_t colour) { return static_cast<int>(colour >> 16 & 0xFF); }
inline int Green(uint32_t colour) { return static_cast<int>(colour >> 8 & 0xFF); }
inline int Blue(uint32_t colour) { return static_cast<int>(colour & 0xFF); }
}  // namespace image_colour

inline void SetPenColour(IImage& image, uint32_t colour) {
    using namespace image_colour;
    image.SetCurColor(Red(colour), Green(colour), Blue(colour));
}
inline void SetTextColour(IImage& image, uint32_t colour) {
    using namespace image_colour;
    image.SetTextColor(Red(colour), Green(colour), Blue(colour));
}
inline void ClearToColour(IImage& image, uint32_t colour) {
    using namespace image_colour;
    image.ClearToColor(Red(colour), Green(colour), Blue(colour));
}
