// A line of plain Arial centred in a span of the canvas, as the game's panels and messages draw.
#pragma once

#include <cstdint>
#include <string_view>

class IImage;
class IShellFactory;

struct TextSpan {
    int left;
    int width;
};

// `text` in Arial of `pointSize` (bold when asked) and colour 0xRRGGBB, its top at y.
void DrawCentredText(IImage& canvas, IShellFactory& fonts, std::string_view text, int pointSize, bool bold,
                     uint32_t colour, TextSpan span, int y);
