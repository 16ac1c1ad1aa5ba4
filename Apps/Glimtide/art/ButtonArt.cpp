// The icon bar's button frames and the dynamite of the status line.
//
//   BtnUp.gif, BtnDown.gif  50x48 frames drawn over each firework icon: the centre is see-through
//                           so the icon shows; the highlighted one glows gold.
//   Dynamite.gif            one stick per try left, 17 apart on the status line.
#include "GlimtideLook.h"
#include "GlimtidePalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace glimtide_art;

constexpr int kCellWidth = 50, kCellHeight = 48;

// A rounded ring around the cell, lit from the upper left.
art::Picture Frame(uint32_t rim, uint32_t light, uint32_t dark, bool glow) {
    Canvas c(kCellWidth, kCellHeight);
    const Path outer = Path::RoundRect(0.5f, 0.5f, kCellWidth - 1, kCellHeight - 1, 8);
    const Path inner = Path::RoundRect(5, 5, kCellWidth - 10, kCellHeight - 10, 5);
    c.Fill(outer, Paint::Linear(0, 0, kCellWidth, kCellHeight, {{0, light}, {0.45f, rim}, {1, dark}}));
    c.Outline(outer, 1, art::Mix(dark, kBlack, 0.4f));
    c.Outline(Path::RoundRect(2, 2, kCellWidth - 4, kCellHeight - 4, 6.5f), 0.8f, art::Shade(light, 0.3f));
    c.Outline(inner, 1.2f, art::Mix(dark, kBlack, 0.5f));
    if (glow) {
        for (const float x : {4.f, 45.f})
            for (const float y : {4.f, 43.f}) Twinkle(c, x, y, 3.5f, kGoldLight);
    }
    c.Erase(Path::RoundRect(6, 6, kCellWidth - 12, kCellHeight - 12, 4.5f));
    return art::Still(std::move(c));
}

art::Picture ButtonUp() { return Frame(kCity, kCityLight, kCityDark, false); }
art::Picture ButtonDown() { return Frame(kGold, kGoldLight, kGoldDark, true); }

art::Picture Dynamite() {
    Canvas c(17, 28);
    constexpr uint32_t kStick = 0xD8342C, kStickLight = 0xFF7A5C, kStickDark = 0x7A1410;
    // The stick, a paper band and a cap.
    c.Fill(Path::RoundRect(3, 10, 11, 18, 2.5f), kStickDark);
    c.Fill(Path::RoundRect(4, 11, 9, 16, 2),
           Paint::Linear(4, 0, 13, 0, {{0, kStickLight}, {0.35f, kStick}, {1, art::Mix(kStick, kStickDark, 0.6f)}}));
    c.Fill(Path::Rect(4, 17, 9, 4), Paint::Linear(4, 0, 13, 0, {{0, 0xFFF6D8}, {1, 0xC9B98C}}));
    c.Line(4, 17, 13, 17, 0.8f, kStickDark);
    c.Line(4, 21, 13, 21, 0.8f, kStickDark);
    c.Fill(Path::Ellipse(8.5f, 11, 4.5f, 1.6f), art::Mix(kStick, kStickDark, 0.5f));
    // The fuse curls up to a spark.
    Path fuse;
    fuse.MoveTo(8.5f, 11);
    fuse.CubicTo(8, 7, 12, 8, 11.5f, 5);
    c.Outline(fuse, 1.3f, 0x5A4632);
    Twinkle(c, 11.5f, 4, 4, kGold);
    Twinkle(c, 11.5f, 4, 2, kGoldLight);
    c.Set(14, 1, kGold);
    c.Set(15, 6, kGoldLight);
    return art::Still(std::move(c));
}

const art::ImageRecipe btnUp{"BtnUp.gif", kCellWidth, kCellHeight, 1, ButtonUp};
const art::ImageRecipe btnDown{"BtnDown.gif", kCellWidth, kCellHeight, 1, ButtonDown};
const art::ImageRecipe dynamite{"Dynamite.gif", 17, 28, 1, Dynamite};

}  // namespace
