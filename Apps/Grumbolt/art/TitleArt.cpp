// The title screen and the game's name pictures:
//
//   p-img-Title.gif       500x420 the menu's ground: sky, the name, the sign of "Biggest Grumbos"
//                         at the top right, open water, and the deep band of the menu at the foot
//   p-img-TitleJump.gif   270x230 at (34, 67), 16 frames: a frog leaps over another and back
//   p-img-GameLogo.gif    80x60 the logo for the portal's pages
#include <algorithm>
#include <cmath>
#include <vector>

#include "GrumboltLook.h"
#include "GrumboltPalette.h"
#include "art/ArtRegistry.h"
#include "art/Dice.h"
#include "art/Path.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace grumbolt_art;

constexpr float kPi = 3.14159265f;
constexpr int kJumpWidth = 270, kJumpHeight = 230, kJumpFrames = 16;

art::Picture Title() {
    Canvas c(500, 420);
    c.Fill(Path::Rect(0, 0, 500, 150), Paint::Linear(0, 0, 0, 150, {{0, kSky}, {1, kSkyLow}}));
    // Far shore: rounded trees.
    art::Dice dice(5);
    for (int i = 0; i < 14; ++i) {
        const float x = static_cast<float>(i) * 38 + dice.Next() * 12, r = 22 + dice.Next() * 16;
        c.Fill(Path::Ellipse(x, 150, r, r * 0.9f), art::Mix(kReed, kSkyLow, 0.35f + 0.2f * dice.Next()));
    }
    c.Fill(Path::Rect(0, 146, 500, 166), Paint::Linear(0, 146, 0, 312, {{0, kWaterLight}, {0.5f, kWater}, {1, kWaterDeep}}));
    for (int i = 0; i < 40; ++i) {
        const float x = static_cast<float>(dice.Below(500)), y = 160 + static_cast<float>(dice.Below(140));
        c.Line(x - 10, y, x + 10, y, 1, kWaterLight);
    }
    // Pads and a sleepy frog on the water right of the leap.
    Lilypad(c, 380, 250, 30, 0.7f);
    Lilypad(c, 450, 200, 20, 2.4f);
    Lilypad(c, 330, 175, 16, 4.0f);
    Frog(c, 380, 244, 1.6f, FrogColour(0), {0.8f});
    // The menu's band at the foot.
    c.Fill(Path::Rect(0, 310, 500, 110), Paint::Linear(0, 310, 0, 420, {{0, 0x123A6E}, {1, kNight}}));
    c.Line(0, 311, 500, 311, 2, kWaterLight);
    for (int i = 0; i < 5; ++i) Reeds(c, 220 + static_cast<float>(i) * 9, 316, 22, 31 + static_cast<uint32_t>(i));
    // The sign of the best players: a dark board for the lime heading, a cream face for the rows.
    const Path sign = Path::RoundRect(322, 2, 176, 114, 8);
    c.Fill(sign.Stroke(3), kWoodDark);
    c.Fill(sign, kWood);
    c.Fill(Path::RoundRect(325, 4, 170, 20, 6), 0x1D4A22);
    c.Fill(Path::Rect(326, 26, 168, 87), kCream);
    c.Line(408, 116, 408, 146, 6, kWoodDark);
    const art::TextStyle name{44, true};
    NameLettering(c, 24, 10, "Grumbolt", name);
    const art::TextStyle strap{13, true};
    c.OutlinedText(30, 62, "hop, hop, puzzle!", strap, kCream, kNight);
    return art::Still(std::move(c));
}

art::Picture TitleJump() {
    std::vector<Canvas> frames;
    constexpr float kLeftX = 45, kRightX = 225, kMiddleX = 135, kGround = 190;
    for (int i = 0; i < kJumpFrames; ++i) {
        Canvas c(kJumpWidth, kJumpHeight);
        Lilypad(c, kLeftX, kGround + 8, 44, 5.5f);
        Lilypad(c, kMiddleX, kGround + 12, 38, 0.8f);
        Lilypad(c, kRightX, kGround + 8, 44, 3.9f);
        // There in the first half, back in the second; the landing frame holds a moment.
        const int half = i % (kJumpFrames / 2);
        const float t = std::min(1.0f, static_cast<float>(half) / (kJumpFrames / 2 - 2));
        const bool back = i >= kJumpFrames / 2;
        const float from = back ? kRightX : kLeftX, to = back ? kLeftX : kRightX;
        const float lift = std::sin(kPi * t);
        const float x = from + (to - from) * t, y = kGround - 125 * lift;
        FrogPose sitting;
        sitting.blink = lift > 0.6f ? 1.0f : 0.0f;
        Frog(c, kMiddleX, kGround + 4, 2.5f, FrogColour(2), sitting);
        if (lift > 0.05f) Shadow(c, x, kGround + 20, 24 * (1 - 0.4f * lift), kPad);
        FrogPose leap;
        leap.stretch = lift;
        leap.puff = lift < 0.05f ? 0.6f : 0.0f;
        Frog(c, x, y, 2.8f + 0.5f * lift, FrogColour(1), leap);
        frames.push_back(std::move(c));
    }
    art::Picture p;
    p.delays.assign(frames.size(), 9);
    p.frames = std::move(frames);
    return p;
}

art::Picture Logo() {
    Canvas c(80, 60);
    c.Fill(Path::Rect(0, 0, 80, 60), Paint::Linear(0, 0, 0, 60, {{0, kSky}, {0.45f, kWaterLight}, {1, kWaterDeep}}));
    Lilypad(c, 40, 44, 22, 0.9f);
    Frog(c, 40, 36, 1.35f, FrogColour(5), {});
    const art::TextStyle style{14, true};
    NameLettering(c, (80 - Canvas::TextWidth("Grumbolt", style)) / 2, 3, "Grumbolt", style);
    c.Outline(Path::Rect(0.5f, 0.5f, 79, 59), 1, kNight);
    return art::Still(std::move(c));
}

const art::ImageRecipe title{"p-img-Title.gif", 500, 420, 1, Title};
const art::ImageRecipe titleJump{"p-img-TitleJump.gif", kJumpWidth, kJumpHeight, kJumpFrames, TitleJump};
const art::ImageRecipe logo{"p-img-GameLogo.gif", 80, 60, 1, Logo};

}  // namespace
