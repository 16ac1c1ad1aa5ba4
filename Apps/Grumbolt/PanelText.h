// Plain Arial text on a canvas, as the side panel and the player line draw it: measured, in one
// colour, or twice for a shadow (the dark copy first, the bright one a pixel up and left). Each
// call makes its font once.
#pragma once

#include <cstdint>
#include <string_view>

class IImage;
class IShellFactory;

namespace grumbolt {

struct TextFace {
    int size = 12;
    bool bold = true;
};

int TextWidth(IShellFactory& factory, IImage& canvas, TextFace face, std::string_view text);
void DrawText(IShellFactory& factory, IImage& canvas, TextFace face, uint32_t colour, std::string_view text, int x, int y);
void DrawShadowedText(IShellFactory& factory, IImage& canvas, TextFace face, uint32_t dark, uint32_t bright,
                      std::string_view text, int x, int y);
// Centred on x.
void DrawShadowedCentred(IShellFactory& factory, IImage& canvas, TextFace face, uint32_t dark, uint32_t bright,
                         std::string_view text, int centreX, int y);

}  // namespace grumbolt
