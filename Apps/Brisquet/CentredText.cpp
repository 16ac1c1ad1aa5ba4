#include "Apps/Brisquet/CentredText.h"

#include "Apps/Common/ShellRef.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"

void DrawCentredText(IImage& canvas, IShellFactory& fonts, std::string_view text, int pointSize, bool bold,
                     uint32_t colour, TextSpan span, int y) {
    const ShellRef<IFont> font(fonts.CreateFont("Arial", pointSize, bold ? kFontStyleBold : 0));
    const int length = static_cast<int>(text.size());
    int extent[2] = {0, 0};
    canvas.GetTextExtent(font.Get(), text.data(), length, extent);
    canvas.SetFont(font.Get());
    canvas.SetTextColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
    canvas.DrawText(text.data(), length, span.left + (span.width - extent[0]) / 2, y);
}
