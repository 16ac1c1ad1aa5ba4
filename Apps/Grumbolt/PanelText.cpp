#include "Apps/Grumbolt/PanelText.h"

#include "Apps/Common/ShellRef.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"

namespace grumbolt {
namespace {

ShellRef<IFont> Font(IShellFactory& factory, TextFace face) {
    return ShellRef<IFont>(factory.CreateFont("Arial", face.size, face.bold ? kFontStyleBold : 0));
}

}  // namespace

int TextWidth(IShellFactory& factory, IImage& canvas, TextFace face, std::string_view text) {
    const ShellRef<IFont> font = Font(factory, face);
    int extent[2] = {0, 0};
    canvas.GetTextExtent(font.Get(), text.data(), static_cast<int>(text.size()), extent);
    return extent[0];
}

void DrawText(IShellFactory& factory, IImage& canvas, TextFace face, uint32_t colour, std::string_view text, int x,
              int y) {
    const ShellRef<IFont> font = Font(factory, face);
    canvas.SetFont(font.Get());
    canvas.SetTextColor(static_cast<int>(colour >> 16 & 0xFF), static_cast<int>(colour >> 8 & 0xFF),
                        static_cast<int>(colour & 0xFF));
    canvas.DrawText(text.data(), static_cast<int>(text.size()), x, y);
}

void DrawShadowedText(IShellFactory& factory, IImage& canvas, TextFace face, uint32_t dark, uint32_t bright,
                      std::string_view text, int x, int y) {
    DrawText(factory, canvas, face, dark, text, x, y);
    DrawText(factory, canvas, face, bright, text, x - 1, y - 1);
}

void DrawShadowedCentred(IShellFactory& factory, IImage& canvas, TextFace face, uint32_t dark, uint32_t bright,
                         std::string_view text, int centreX, int y) {
    DrawShadowedText(factory, canvas, face, dark, bright, text, centreX - TextWidth(factory, canvas, face, text) / 2, y);
}

}  // namespace grumbolt
