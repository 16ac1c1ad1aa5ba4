// The title screen's background and the logo.
//
//   img-title-500x420.gif   a sunny ballpark: the name across the sky, Wick giving a thumbs up
//                           at the bottom left; plain cream where the game writes (the best
//                           players at x 195-400, y 98-196; the instructions at x 165-495,
//                           y 307-415) and a calm lawn under the "Play Ball!" button (50, 144)
//   p-img-logo-80x60.gif    the logo for the portal's pages
#include <cmath>

#include "PellawickLook.h"
#include "PellawickPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace pellawick_art;

constexpr int kWidth = 500, kHeight = 420;

void Field(Canvas& c) {
    c.Fill(Path::Rect(0, 0, kWidth, 150), Paint::Linear(0, 0, 0, 150, {{0, kSkyTop}, {1, kSkyLow}}));
    // The far stands and their roof.
    c.Fill(Path::Polygon({{0, 118}, {250, 100}, {500, 118}, {500, 150}, {0, 150}}), 0x7F93A8);
    for (float y = 106; y < 150; y += 5) c.Line(0, y, 500, y, 0.7f, 0x6D8096);
    c.Fill(Path::Rect(0, 146, kWidth, 8), kWall);
    c.Fill(Path::Rect(0, 146, kWidth, 2), kMustard);
    // Striped grass, the infield's dirt and the bases.
    for (int band = 0; band < 9; ++band) {
        const float y = 154 + 30.0f * static_cast<float>(band);
        c.Fill(Path::Rect(0, y, kWidth, 30), band % 2 == 0 ? 0x4CB040 : 0x43A038);
    }
    // The infield: a band of dirt around the inner grass, the mound and the bases.
    c.Fill(Path::Polygon({{250, 206}, {392, 330}, {250, 454}, {108, 330}}), 0xC8925A);
    c.Fill(Path::Polygon({{250, 236}, {358, 330}, {250, 424}, {142, 330}}), 0x4CB040);
    c.Fill(Path::Ellipse(250, 330, 16, 7), 0xC8925A);
    c.Fill(Path::RoundRect(245, 328, 10, 3, 1), kWhite);
    for (const auto& [bx, by] : {std::pair{250.0f, 222.0f}, std::pair{376.0f, 330.0f}, std::pair{124.0f, 330.0f}})
        c.Fill(Path::Polygon({{bx, by - 5}, {bx + 7, by}, {bx, by + 5}, {bx - 7, by}}), kWhite);
}

void Panel(Canvas& c, float x, float y, float w, float h) {
    c.Fill(Path::RoundRect(x + 3, y + 4, w, h, 10), 0x2E6E28);
    c.Fill(Path::RoundRect(x, y, w, h, 10), kIndigo);
    c.Fill(Path::RoundRect(x + 3, y + 3, w - 6, h - 6, 8), kCream);
}

art::Picture Title() {
    Canvas c(kWidth, kHeight);
    Field(c);
    // The name across the sky.
    const art::TextStyle big{56, true};
    const int w = Canvas::TextWidth("Pellawick", big);
    const int x = (kWidth - w) / 2;
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx)
            if (dx * dx + dy * dy <= 18) c.Text(x + dx, 14 + dy + 2, "Pellawick", big, kIndigoDark);
    LabelText(c, x, 14, "Pellawick", 56, kOrange, kWhite);
    // Lit from the top left: a lighter copy peeks out above the letters.
    c.Text(x + 1, 13, "Pellawick", big, art::Shade(kOrange, 0.25f));
    c.Text(x + 2, 14, "Pellawick", big, kOrange);
    const art::TextStyle small{15, true};
    const char* tagline = "Snacks, stands and three leagues of hungry fans!";
    const int tw = Canvas::TextWidth(tagline, small);
    LabelText(c, (kWidth - tw) / 2, 78, tagline, 15, kWhite, kIndigo);
    // Where the best players and the instructions are written.
    Panel(c, 192, 96, 210, 102);
    Panel(c, 162, 304, 336, 114);
    Snack(c, 0, 408, 104, 40);
    Snack(c, 1, 436, 150, 34);
    Snack(c, 2, 140, 100, 44);
    c.Draw(ThumbsUpWick(), 12, 212, 2);
    return art::Still(std::move(c));
}

art::Picture Logo() {
    Canvas c(80, 60);
    c.Fill(Path::RoundRect(0.5f, 0.5f, 79, 59, 9), kIndigoDark);
    c.Fill(Path::RoundRect(2, 2, 76, 56, 8), Paint::Linear(0, 0, 0, 60, {{0, kSkyTop}, {0.55f, kSkyLow}, {0.56f, 0x4CB040}, {1, 0x3E9434}}));
    Snack(c, 0, 8, 4, 26);
    Snack(c, 1, 29, 6, 24);
    Snack(c, 2, 48, 10, 24);
    const art::TextStyle style{14, true};
    const int w = Canvas::TextWidth("Pellawick", style);
    LabelText(c, (80 - w) / 2, 38, "Pellawick", 14, kOrange, kIndigoDark);
    return art::Still(std::move(c));
}

const art::ImageRecipe title{"img-title-500x420.gif", kWidth, kHeight, 1, Title};
const art::ImageRecipe logo{"p-img-logo-80x60.gif", 80, 60, 1, Logo};

}  // namespace
