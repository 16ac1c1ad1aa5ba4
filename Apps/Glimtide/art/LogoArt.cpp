// Glimtide's name pictures.
//
//   MiniLogo.gif           101x47 at the right of the icon bar, on its black
//   p-img-logo-80x60.gif   the game's logo for the portal's pages: a burst over a harbour at night
#include "GlimtideLook.h"
#include "GlimtidePalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace glimtide_art;

art::Picture MiniLogo() {
    Canvas c(101, 47);
    c.Clear(kBlack);
    Burst(c, 22, 14, 13, 12, kRose, 5);
    Burst(c, 82, 11, 10, 10, kCyan, 9);
    Stars(c, 0, 0, 101, 30, 14, 2);
    const art::TextStyle style{19, true};
    NameLettering(c, (101 - Canvas::TextWidth("Glimtide", style)) / 2, 18, "Glimtide", style);
    return art::Still(std::move(c));
}

art::Picture Logo() {
    Canvas c(80, 60);
    c.Fill(Path::Rect(0, 0, 80, 60), Paint::Linear(0, 0, 0, 60, {{0, kNight}, {0.7f, kNightHigh}, {1, kDusk}}));
    Stars(c, 0, 0, 80, 40, 16, 4);
    Burst(c, 24, 16, 14, 12, kGold, 3);
    Burst(c, 60, 12, 10, 10, kRose, 8);
    // A low skyline on the water.
    const float heights[] = {10, 16, 12, 22, 14, 18, 9, 15, 11};
    float x = 0;
    for (int i = 0; i < 9; ++i) {
        const float w = 7 + static_cast<float>(i % 3) * 2;
        c.Fill(Path::Rect(x, 54 - heights[i], w, heights[i]), kCity);
        Windows(c, x, 55 - heights[i], x + w, 53, 3, static_cast<uint32_t>(i) + 1);
        x += w + 1;
    }
    c.Fill(Path::Rect(0, 54, 80, 6), 0x0B1A3C);
    const art::TextStyle style{15, true};
    NameLettering(c, (80 - Canvas::TextWidth("Glimtide", style)) / 2, 27, "Glimtide", style);
    c.Outline(Path::Rect(0.5f, 0.5f, 79, 59), 1, kVioletDark);
    return art::Still(std::move(c));
}

const art::ImageRecipe miniLogo{"MiniLogo.gif", 101, 47, 1, MiniLogo};
const art::ImageRecipe logo{"p-img-logo-80x60.gif", 80, 60, 1, Logo};

}  // namespace
