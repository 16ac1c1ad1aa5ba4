// Measuring and drawing cp1252 text with a platform font into 32-bit pixels.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/Platform.h"

struct TextStyle {
    uint32_t colour = 0;
    std::optional<uint32_t> background;  // absent: transparent
    bool underline = false;
    bool strikeOut = false;
};

// Sum of whole advances, without kerning: the width the drawn run keeps to.
int TextExtent(platform::Font& font, std::string_view cp1252);

// Draws with the cell's top-left at `cell`; nothing lands outside `clip` or `target`.
// An opaque background fills the text's cell (extent x font height).
void DrawText(platform::PixelView target, platform::Rect clip, platform::Point cell, std::string_view cp1252,
              platform::Font& font, const TextStyle& style);
