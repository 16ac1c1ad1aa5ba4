#include "Apps/Grumbolt/PanelText.h"

#include "Apps/Common/CentredText.h"
#include "Apps/Common/ImageColour.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"

namespace grumbolt {
namespace {

ShellRef<IFont> Font(IShellFactory& factory, TextFace face) { return ArialFont(factory, face.size, face.bold); }

void DrawIn(IImage& canvas, IFont* font, uint32_t colour, std::string_view text, int x, int y) {
    canvas.SetFont(font);
    SetTextColour(canvas, colour);
    canvas.DrawText(text.data(), static_cast<int>(text.size()), x, y);
}

void DrawShadowedIn(IImage& canvas, IFont* font, uint32_t dark, uint32_t bright, std::string_view text, int x, int y) {
    DrawIn(canvas, font, dark, text, x, y);
    DrawIn(canvas, font, bright, text, x - 1, y - 1);
}

}  // namespace

int TextWidth(IShellFactory& factory, IImage& canvas, TextFace face, std::string_view text) {
    return ::TextWidth(canvas, Font(factory, face).Get(), text);
}

void DrawText(IShellFactory& factory, IImage& canvas, TextFace face, uint32_t colour, std::string_view text, int x,
              int y) {
    DrawIn(canvas, Font(factory, face).Get(), colour, text, x, y);
}

void DrawShadowedText(IShellFactory& factory, IImage& canvas, TextFace face, uint32_t dark, uint32_t bright,
                      std::string_view text, int x, int y) {
    DrawShadowedIn(canvas, Font(factory, face).Get(), dark, bright, text, x, y);
}

void DrawShadowedCentred(IShellFactory& factory, IImage& canvas, TextFace face, uint32_t dark, uint32_t bright,
                         std::string_view text, int centreX, int y) {
    const ShellRef<IFont> font = Font(factory, face);
    DrawShadowedIn(canvas, font.Get(), dark, bright, text, centreX - ::TextWidth(canvas, font.Get(), text) / 2, y);
}

}  // namespace grumbolt
