// The scoreboard and the animations of its screen.
//
//   img-scoreboard-228x133.gif   green face (0x00CC66, the colour the game fills with) in a navy
//                                frame: the black screen at (13,8)-(133,81), the score box at
//                                (54,95)-(130,110), the stock icons' places from x 141 at the top
//                                with the A and S keys below them, LIVES, WAVES and INNING
//                                labels left of the values at x 205; every place the game draws
//                                on is left plain
//   img-scoreboard_wing-64x133.gif the board's right end with the third snack's key, joined on
//                                at x 222 so that all three stock icons show
//   ani-MVP-121x76.gif           the game is won: "MVP!" under bursting stars (6 frames)
//   ani-Trans_gameover-121x76.gif  "GAME OVER" blinking (6 frames)
//   ani-trans_homerun-121x76.gif   a ball flies off the bat: "HOME RUN!" (8 frames)
//   ani-wave-121x76.gif          a row of fans standing in a wave under "WAVE!" (8 frames)
#include <cmath>
#include <functional>

#include "PellawickLook.h"
#include "PellawickPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace pellawick_art;

constexpr int kScreenWidth = 121, kScreenHeight = 76;

art::Picture Scoreboard() {
    Canvas c(228, 133);
    c.Fill(Path::RoundRect(0, 0, 228, 133, 6), kIndigoDark);
    c.Fill(Path::RoundRect(3, 3, 222, 127, 4), kBoardGreen);
    // The screen's bezel around the black the game clears.
    c.Fill(Path::RoundRect(9, 4, 129, 81, 3), kIndigo);
    c.Fill(Path::Rect(13, 8, 121, 74), kBoardBlack);
    c.Fill(Path::RoundRect(50, 91, 84, 23, 3), kIndigo);
    c.Fill(Path::Rect(54, 95, 77, 16), kBoardBlack);
    LabelText(c, 11, 97, "SCORE", 10, kWhite, kIndigoDark);
    const char* labels[] = {"LIVES", "WAVES", "INNING"};
    for (int i = 0; i < 3; ++i) {
        const int y = 73 + 16 * i;
        const art::TextStyle style{10, true};
        const int w = Canvas::TextWidth(labels[i], style);
        LabelText(c, 201 - w, y, labels[i], 10, kWhite, kIndigoDark);
    }
    // The keys that pick each food, below its icon.
    const char* keys[] = {"A", "S"};
    for (int i = 0; i < 2; ++i) {
        const float x = 151 + 47.0f * static_cast<float>(i);
        c.Fill(Path::RoundRect(x, 46, 22, 20, 4), kIndigoDark);
        c.Fill(Path::RoundRect(x + 1, 47, 20, 16, 3.5f), kCream);
        c.Text(static_cast<int>(x) + 7, 48, keys[i], art::TextStyle{12, true}, kIndigo);
    }
    // A pennant strip along the foot.
    for (int i = 0; i < 9; ++i) {
        const float x = 10 + 24.0f * static_cast<float>(i);
        c.Fill(Path::Polygon({{x, 119}, {x + 12, 119}, {x + 6, 127}}), i % 2 == 0 ? kOrange : kWhite);
    }
    return art::Still(std::move(c));
}

// The board's right end, where the third snack's icon and its key stand: the board picture is
// narrower than the three icons.
art::Picture Wing() {
    // Full width beside the icons, and below them only as wide as the lives, waves and inning,
    // so the stand's sign beside the board stays in sight.
    Canvas c(64, 133);
    c.Fill(Path::RoundRect(-8, 0, 72, 76, 6), kIndigoDark);
    c.Fill(Path::RoundRect(-8, 0, 30, 133, 6), kIndigoDark);
    c.Fill(Path::RoundRect(-8, 3, 69, 70, 4), kBoardGreen);
    c.Fill(Path::RoundRect(-8, 3, 27, 127, 4), kBoardGreen);
    c.Fill(Path::RoundRect(23, 46, 22, 20, 4), kIndigoDark);
    c.Fill(Path::RoundRect(24, 47, 20, 16, 3.5f), kCream);
    c.Text(30, 48, "D", art::TextStyle{12, true}, kIndigo);
    return art::Still(std::move(c));
}

art::Picture Screen(int frames, int delay, const std::function<void(Canvas&, int)>& draw) {
    art::Picture p;
    for (int f = 0; f < frames; ++f) {
        Canvas c(kScreenWidth, kScreenHeight);
        c.Clear(kBoardBlack);
        // The dim grid of unlit bulbs behind everything.
        for (int y = 2; y < kScreenHeight; y += 4)
            for (int x = 2; x < kScreenWidth; x += 4) c.Set(x, y, 0x1C1C1C);
        draw(c, f);
        p.frames.push_back(std::move(c));
        p.delays.push_back(delay);
    }
    return p;
}

void Star(Canvas& c, float x, float y, float size, uint32_t colour) {
    const float w = size * 0.3f;
    c.Fill(Path::Polygon({{x, y - size}, {x + w, y - w}, {x + size, y}, {x + w, y + w}, {x, y + size}, {x - w, y + w},
                          {x - size, y}, {x - w, y - w}}),
           colour);
}

art::Picture Mvp() {
    return Screen(6, 12, [](Canvas& c, int f) {
        const uint32_t colours[] = {kAmber, kWhite, kOrange};
        LightText(c, 60, 14, "MVP!", 30, colours[f % 3]);
        for (int i = 0; i < 5; ++i) {
            const float phase = static_cast<float>((f + i) % 6) / 5.0f;
            Star(c, 10 + 25.0f * static_cast<float>(i), 8 + 58 * static_cast<float>(i % 2), 2 + 4 * phase,
                 i % 2 == 0 ? kAmber : kWhite);
        }
    });
}

art::Picture GameOver() {
    return Screen(6, 25, [](Canvas& c, int f) {
        const uint32_t colour = f % 2 == 0 ? 0xFF3A24 : kAmberDim;
        LightText(c, 60, 8, "GAME", 24, colour);
        LightText(c, 60, 40, "OVER", 24, f % 2 == 0 ? colour : 0xFF3A24);
    });
}

art::Picture HomeRun() {
    return Screen(8, 10, [](Canvas& c, int f) {
        LightText(c, 60, 44, "HOME RUN!", 16, f % 2 == 0 ? kAmber : kWhite);
        // The ball rises off the bat and sails out to the right.
        const float t = static_cast<float>(f) / 7.0f;
        const float bx = 12 + 100 * t, by = 34 - std::sin(t * 3.1416f) * 28;
        for (int k = 1; k <= 3; ++k) {
            const float tt = std::max(0.0f, t - 0.05f * static_cast<float>(k));
            c.Fill(Path::Ellipse(12 + 100 * tt, 34 - std::sin(tt * 3.1416f) * 28, 1.3f, 1.3f), kAmberDim);
        }
        c.Fill(Path::Ellipse(bx, by, 3.5f, 3.5f), kWhite);
        c.Line(bx - 2, by - 1, bx + 1, by + 2, 0.7f, kStripeRed);
        c.Line(4, 40, 16, 30 - (f == 0 ? 0 : 4.0f), 2.5f, 0xC08040);
    });
}

art::Picture Wave() {
    return Screen(8, 9, [](Canvas& c, int f) {
        LightText(c, 60, 4, "WAVE!", 20, kAmber);
        // Twelve fans; the crest moves along the row, frame by frame.
        for (int i = 0; i < 12; ++i) {
            const float x = 6 + 10.0f * static_cast<float>(i);
            const float d = std::fabs(static_cast<float>(i) - static_cast<float>(f) * 12.0f / 8.0f - 1);
            const float up = std::max(0.0f, 1 - d / 2.5f);
            const float y = 62 - 10 * up;
            c.Fill(Path::Ellipse(x, y - 6, 2.8f, 2.8f), kAmber);
            c.Fill(Path::RoundRect(x - 3, y - 3, 6, 10, 2), kOrange);
            c.Line(x - 3, y - 1, x - 4 - up, y - 4 - 8 * up, 1.4f, kAmber);
            c.Line(x + 3, y - 1, x + 4 + up, y - 4 - 8 * up, 1.4f, kAmber);
        }
    });
}

const art::ImageRecipe scoreboard{"img-scoreboard-228x133.gif", 228, 133, 1, Scoreboard};
const art::ImageRecipe wing{"img-scoreboard_wing-64x133.gif", 64, 133, 1, Wing};
const art::ImageRecipe mvp{"ani-MVP-121x76.gif", kScreenWidth, kScreenHeight, 6, Mvp};
const art::ImageRecipe gameOver{"ani-Trans_gameover-121x76.gif", kScreenWidth, kScreenHeight, 6, GameOver};
const art::ImageRecipe homeRun{"ani-trans_homerun-121x76.gif", kScreenWidth, kScreenHeight, 8, HomeRun};
const art::ImageRecipe wave{"ani-wave-121x76.gif", kScreenWidth, kScreenHeight, 8, Wave};

}  // namespace
