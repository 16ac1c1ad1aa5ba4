// The title screen's background and the picture of the hidden page.
//
//   TitleScreen.gif  500x420: the name and bursts on the left, a harbour at dusk along the
//                    bottom; plain black where the game writes (the best players at x 305-500,
//                    y 7-90; the instructions at x 210-500, y 130-220; the buttons at y 255-335)
//   StaffPlaque.gif  200x90: the employee of the month, shown on the hidden page
#include <cmath>

#include "GlimtideLook.h"
#include "GlimtidePalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace glimtide_art;

constexpr int kWidth = 500, kHeight = 420;

// A rocket's smoky trail curving up to where it burst.
void Trail(Canvas& c, float x0, float y0, float x1, float y1, uint32_t colour) {
    Path trail;
    trail.MoveTo(x0, y0);
    trail.QuadTo(x0 + (x1 - x0) * 0.2f, (y0 + y1) / 2, x1, y1);
    const auto& points = trail.Figures()[0];
    for (size_t i = 1; i < points.size(); ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(points.size());
        c.Line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, 1.4f, art::Mix(kBlack, colour, t * 0.8f));
    }
}

void Skyline(Canvas& c) {
    constexpr float shore = 396;
    c.Fill(Path::Rect(0, 340, kWidth, shore - 340), Paint::Linear(0, 340, 0, shore, {{0, kBlack}, {1, kDusk}}));
    Dice dice(17);
    float x = -4;
    while (x < kWidth) {
        const float w = 14 + dice.Next() * 22;
        const float h = 14 + dice.Next() * 34 + (x > 150 && x < 330 ? 14 : 0);
        c.Fill(Path::Rect(x - 1, shore - h - 1, w + 2, h + 1), kCityDark);
        c.Fill(Path::Rect(x, shore - h, w, h), Paint::Linear(x, shore - h, x, shore, {{0, kCityLight}, {0.4f, kCity}, {1, kCity}}));
        Windows(c, x + 1, shore - h + 2, x + w - 1, shore - 2, 5, static_cast<uint32_t>(x + 300));
        if (dice.Next() < 0.25f) {
            c.Line(x + w / 2, shore - h, x + w / 2, shore - h - 9, 1, kCityLight);
            c.Fill(Path::Ellipse(x + w / 2, shore - h - 9, 1.4f, 1.4f), 0xFF3B3B);
        }
        x += w + 1;
    }
    c.Fill(Path::Rect(0, shore, kWidth, kHeight - shore), Paint::Linear(0, shore, 0, kHeight, {{0, 0x1A3164}, {1, kBlack}}));
    for (int i = 0; i < 90; ++i) {
        const float rx = dice.Next() * kWidth, ry = shore + 2 + dice.Next() * 20;
        const uint32_t colour = art::Mix(dice.Next() < 0.5f ? kWindow : kRose, kBlack, 0.3f + (ry - shore) / 30);
        c.Line(rx, ry, rx + 2 + dice.Next() * 8, ry, 1, colour);
    }
}

art::Picture TitleScreen() {
    Canvas c(kWidth, kHeight);
    c.Clear(kBlack);
    Stars(c, 0, 0, 300, 125, 60, 31);
    Stars(c, 0, 125, 205, 250, 25, 37);
    Skyline(c);

    Trail(c, 30, 350, 78, 178, kGold);
    Trail(c, 190, 345, 160, 160, kRose);
    Trail(c, 120, 350, 118, 232, kCyan);
    Burst(c, 78, 178, 58, 26, kGold, 12);
    Burst(c, 160, 160, 40, 20, kRose, 21);
    Burst(c, 118, 232, 30, 16, kCyan, 33);
    Burst(c, 252, 100, 18, 12, kViolet, 44);
    Twinkle(c, 30, 250, 5, kGoldLight);
    Twinkle(c, 200, 215, 4, kCyan);

    const art::TextStyle name{56, true};
    NameLettering(c, 12, 22, "Glimtide", name);
    const art::TextStyle tagline{13, true};
    c.Text(20, 92, "a fireworks memory game", tagline, art::Mix(kGoldLight, kCyan, 0.35f));
    return art::Still(std::move(c));
}

// A cartoon fuse-lighter with singed hair and soot on his cheeks, framed in gold.
art::Picture StaffPlaque() {
    Canvas c(200, 90);
    c.Fill(Path::RoundRect(0, 0, 200, 90, 8), Paint::Linear(0, 0, 0, 90, {{0, kGoldLight}, {0.5f, kGold}, {1, kGoldDark}}));
    c.Fill(Path::RoundRect(5, 5, 190, 80, 5), Paint::Linear(0, 5, 0, 85, {{0, kNightHigh}, {1, kNight}}));
    Stars(c, 8, 8, 80, 60, 12, 8);
    Burst(c, 58, 30, 22, 14, kRose, 6);
    // The portrait.
    const float cx = 42, cy = 52;
    for (int i = 0; i < 9; ++i) {
        const float a = -2.6f + static_cast<float>(i) * 0.27f;
        c.Line(cx, cy - 8, cx + std::cos(a) * 22, cy - 8 + std::sin(a) * 20, 2.2f, 0x3A2A1E);
    }
    c.Fill(Path::Rect(cx - 10, cy + 14, 20, 20), Paint::Linear(0, cy + 14, 0, cy + 34, {{0, kCyanDark}, {1, 0x0C3A5A}}));
    c.Fill(Path::Ellipse(cx, cy, 15, 16), 0x8A5A3A);
    c.Fill(Path::Ellipse(cx - 1, cy - 1, 14, 15), Paint::Radial(cx - 5, cy - 6, 20, {{0, 0xFFE0C0}, {1, 0xE0A070}}));
    c.Fill(Path::Ellipse(cx - 8, cy + 5, 4, 2.5f), 0x7A6A60);
    c.Fill(Path::Ellipse(cx + 8, cy + 6, 4, 2.5f), 0x7A6A60);
    // Goggles pushed up, eyes wide, a proud grin.
    c.Fill(Path::RoundRect(cx - 13, cy - 13, 26, 7, 3), 0x2A2A2A);
    c.Fill(Path::Ellipse(cx - 6, cy - 9.5f, 3.5f, 2.6f), kCyan);
    c.Fill(Path::Ellipse(cx + 6, cy - 9.5f, 3.5f, 2.6f), kCyan);
    c.Fill(Path::Ellipse(cx - 5, cy, 2.2f, 2.6f), kWhite);
    c.Fill(Path::Ellipse(cx + 5, cy, 2.2f, 2.6f), kWhite);
    c.Fill(Path::Ellipse(cx - 4.5f, cy + 0.5f, 1.1f, 1.4f), kBlack);
    c.Fill(Path::Ellipse(cx + 5.5f, cy + 0.5f, 1.1f, 1.4f), kBlack);
    Path grin;
    grin.MoveTo(cx - 6, cy + 7);
    grin.QuadTo(cx, cy + 14, cx + 6, cy + 7);
    grin.Close();
    c.Fill(grin, 0x7A2020);
    // A sparkler in his raised hand.
    c.Line(cx + 16, cy + 26, cx + 24, cy - 4, 1.4f, 0xB0B0B0);
    Twinkle(c, cx + 24, cy - 5, 6, kGoldLight);

    const art::TextStyle small{11, true};
    const art::TextStyle big{17, true};
    c.Text(88, 16, "EMPLOYEE", small, kGoldLight);
    c.Text(88, 28, "OF THE MONTH", small, kGoldLight);
    NameLettering(c, 88, 44, "Wick Ember", big);
    c.Text(90, 66, "Chief Fuse Officer", small, kCyan);
    return art::Still(std::move(c));
}

const art::ImageRecipe title{"TitleScreen.gif", kWidth, kHeight, 1, TitleScreen};
const art::ImageRecipe plaque{"StaffPlaque.gif", 200, 90, 1, StaffPlaque};

}  // namespace
