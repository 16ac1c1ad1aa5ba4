#include "Apps/Common/CentredText.h"
#include "Apps/Common/ImageColour.h"

#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"

ShellRef<IFont> ArialFont(IShellFactory& fonts, int pointSize, bool bold) {
    return ShellRef<IFont>(fonts.CreateFont("Arial", pointSize, bold ? kFontStyleBold : 0));
}

int TextWidth(IImage& canvas, IFont* font, std::string_view text) {
    int extent[2] = {0, 0};
    canvas.GetTextExtent(font, text.data(), static_cast<int>(text.size()), extent);
    return extent[0];
}

int TextWidth(IImage& canvas, IShellFactory& fonts, std::string_view text, int pointSize, bool bold) {
    return TextWidth(canvas, ArialFont(fonts, pointSize, bold).Get(), text);
}

void DrawCentredText(IImage& canvas, IShellFactory& fonts, std::string_view text, int pointSize, bool bold,
                     uint32_t colour, TextSpan span, int y) {
    const ShellRef<IFont> font = ArialFont(fonts, pointSize, bold);
    const int x = CentredX(span, TextWidth(canvas, font.Get(), text));
    canvas.SetFont(font.Get());
    SetTextColour(canvas, colour);
    canvas.DrawText(text.data(), static_cast<int>(text.size()), x, y);
}
