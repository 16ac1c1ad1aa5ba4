// The game's name in three sizes.
//
//   p-img-title.gif        300 x 120: the level select's heading; the final screen cuts it into
//                          ten 60 x 60 pieces, so its corners stay see-through
//   p-img-titlesmall.gif   170 x 80: the heading of the play screen's right panel
//   p-img-logo-80x60.gif   the logo for the portal's pages
#include <string_view>

#include "BrisquetLook.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using namespace brisquet_art;

constexpr std::string_view kName = "Brisquet";

// The name centred on x = centreX with its top at y, in the largest bold size that fits `width`.
void CentredName(Canvas& c, int centreX, int y, int width, int height) {
    art::TextStyle style{height, true};
    while (style.height > 8 && Canvas::TextWidth(kName, style) > width) --style.height;
    DrawLettering(c, centreX - Canvas::TextWidth(kName, style) / 2, y, kName, style);
}

// A run of bubbles in the four play colours, the first of kind `first`.
void BubbleRow(Canvas& c, float x, float y, float r, int count, float step, int first) {
    for (int i = 0; i < count; ++i) DrawBubble(c, x + step * static_cast<float>(i), y, r, kKinds[(first + i) % 4]);
}

art::Picture Title() {
    Canvas c(300, 120);
    DrawBand(c, 4, 10, 292, 100, 26);
    BubbleRow(c, 58, 98, 7, 8, 26, 0);
    CentredName(c, 150, 20, 250, 60);
    // Bubbles climbing off the band's ends.
    DrawBubble(c, 18, 24, 13, kKinds[1]);
    DrawBubble(c, 34, 8, 7, kKinds[2]);
    DrawBubble(c, 282, 92, 13, kKinds[0]);
    DrawBubble(c, 268, 112, 6.5f, kKinds[3]);
    DrawBubble(c, 283, 20, 8, kKinds[kBlack]);
    DrawSparkle(c, 279, 16, 3, kOrange);
    return art::Still(std::move(c));
}

art::Picture TitleSmall() {
    Canvas c(170, 80);
    DrawBand(c, 2, 6, 166, 68, 18);
    CentredName(c, 85, 12, 140, 40);
    BubbleRow(c, 38, 62, 5.5f, 6, 19, 1);
    DrawBubble(c, 158, 14, 9, kKinds[2]);
    DrawBubble(c, 12, 66, 9, kKinds[3]);
    return art::Still(std::move(c));
}

art::Picture Logo() {
    Canvas c(80, 60);
    DrawBand(c, 0, 0, 80, 60, 12);
    DrawBubble(c, 22, 20, 9, kKinds[0]);
    DrawBubble(c, 40, 15, 9, kKinds[1]);
    DrawBubble(c, 58, 20, 9, kKinds[3]);
    DrawBubble(c, 31, 30, 7, kKinds[2]);
    DrawBubble(c, 49, 30, 7, kKinds[kBlack]);
    art::TextStyle style{15, true};
    while (style.height > 8 && Canvas::TextWidth(kName, style) > 72) --style.height;
    c.OutlinedText(40 - Canvas::TextWidth(kName, style) / 2, 40, kName, style, kGold, kBrown);
    return art::Still(std::move(c));
}

const art::ImageRecipe title{"p-img-title.gif", 300, 120, 1, Title};
const art::ImageRecipe titleSmall{"p-img-titlesmall.gif", 170, 80, 1, TitleSmall};
const art::ImageRecipe logo{"p-img-logo-80x60.gif", 80, 60, 1, Logo};

}  // namespace
