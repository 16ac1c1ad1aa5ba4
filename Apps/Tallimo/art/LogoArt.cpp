// Tallimo's name pictures.
//
//   img-logo-413x147.gif   the title: the name over a truck loaded with balls
//   p-img-gamelogo.gif     80x60, the game's logo for the portal's pages
#include <string_view>

#include "TallimoLook.h"
#include "TallimoPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace tallimo_art;

// The name in bold, indigo with a white and a dark ring, centred on cx.
void Lettering(Canvas& c, float cx, int y, std::string_view text, int height) {
    const art::TextStyle style{height, true};
    const int x = static_cast<int>(cx) - Canvas::TextWidth(text, style) / 2;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) c.Text(x + dx, y + dy + 1, text, style, kIndigoDark);
    }
    c.OutlinedText(x, y, text, style, kCab, kWhite);
}

art::Picture Logo() {
    Canvas c(413, 147);
    c.Fill(Path::RoundRect(4, 18, 405, 112, 24), Paint::Linear(0, 18, 0, 130, {{0, 0xFFE8A8}, {1, kOrange}}));
    c.Outline(Path::RoundRect(4, 18, 405, 112, 24), 3, kIndigo);
    SmallTruck(c, 250, 38, 1.0f);
    const int kinds[] = {0, 3, 5, 6, 4};
    for (int i = 0; i < 5; ++i) Ball(c, kinds[i], 254 + 18 * i, 16 + (i % 2) * 6, 0.1f * static_cast<float>(i));
    Lettering(c, 134, 34, "Tallimo", 60);
    const art::TextStyle tag{15, true};
    c.Text(134 - Canvas::TextWidth("Sort them, load them, ship them!", tag) / 2, 104,
           "Sort them, load them, ship them!", tag, kIndigoDark);
    return art::Still(std::move(c));
}

art::Picture GameLogo() {
    Canvas c(80, 60);
    c.Fill(Path::Rect(0, 0, 80, 60), Paint::Linear(0, 0, 0, 60, {{0, 0xCFEFEF}, {1, kYard}}));
    SmallTruck(c, 22, 20, 0.36f);
    Ball(c, 0, 4, 26, 0.2f);
    Ball(c, 3, 46, 2, 0.6f);
    const art::TextStyle style{17, true};
    const int x = (80 - Canvas::TextWidth("Tallimo", style)) / 2;
    c.OutlinedText(x, 4, "Tallimo", style, kCab, kWhite);
    c.Outline(Path::Rect(0.5f, 0.5f, 79, 59), 1, kIndigo);
    return art::Still(std::move(c));
}

const art::ImageRecipe logo{"img-logo-413x147.gif", 413, 147, 1, Logo};
const art::ImageRecipe gameLogo{"p-img-gamelogo.gif", 80, 60, 1, GameLogo};

}  // namespace
