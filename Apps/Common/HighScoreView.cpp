#include "Apps/Common/HighScoreView.h"

#include <algorithm>
#include <cstdio>

#include "Apps/Common/CentredText.h"
#include "Apps/Common/ImageColour.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ShellRef.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"

namespace {

constexpr int kRowHeight = 17;
constexpr int kNameGap = 4;

// How many characters of `name` fit `width` pixels.
size_t FittingLength(IImage& canvas, IFont* font, std::string_view name, int width) {
    size_t length = name.size();
    while (length > 0 && TextWidth(canvas, font, name.substr(0, length)) > width) --length;
    return length;
}

}  // namespace

void DrawHighScoreView(IImage& canvas, IShellFactory& factory, const HighScoreViewStyle& style,
                       std::span<const HighScoreRow> rows) {
    char colour[8];
    std::snprintf(colour, sizeof colour, "%06x", style.text & 0xFFFFFF);
    const std::string dots = std::string("<s3><c") + colour + "><b>. . . . . . . . . . . . . . . . .</b>";
    const ShellRef<IFont> font(factory.CreateFont("Arial", 12, kFontStyleBold));
    const int column = style.scoreX - style.nameX - 2 * kNameGap;
    const size_t count = std::min(rows.size(), style.rowY.size());
    for (size_t i = 0; i < count; ++i) {
        const int y = style.rowY[i];
        DrawMarkupText(&canvas, dots.c_str(), style.nameX, y);
        const std::string_view name = rows[i].name;
        const size_t length = FittingLength(canvas, font.Get(), name, column);
        SetPenColour(canvas, style.background);
        canvas.FillRect(style.nameX, y, style.nameX + 2 * kNameGap + TextWidth(canvas, font.Get(), name.substr(0, length)),
                        y + kRowHeight);
        canvas.SetFont(font.Get());
        SetTextColour(canvas, style.text);
        canvas.DrawText(name.data(), static_cast<int>(length), style.nameX + kMarkupRunIndent, y);
        const std::string score =
            std::string("<s3><b><c") + colour + ">" + style.scorePrefix + ScoreText(rows[i].score) + "</b>";
        DrawMarkupText(&canvas, score.c_str(), style.scoreX, y);
    }
}
