// The duel's field: the far panorama, the six hills, the ball, the aiming marks, the power
// frame, the wind gauge and the banner plane. The hills are solid right down to their bottom
// edge, so a candidate always finds ground somewhere across them.
#include <cmath>

#include "SlorrowLook.h"
#include "art/ArtRegistry.h"
#include "art/Dice.h"
#include "art/Paint.h"
#include "art/Path.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using art::Picture;
using namespace slorrow_art;

Picture Panorama() {
    Canvas c(1567, 396);
    c.Clear(kSky);
    art::Dice dice(7);
    for (int ridge = 0; ridge < 2; ++ridge) {
        std::vector<art::PointF> points{{0, 396}};
        const float base = ridge == 0 ? 250.0f : 310.0f;
        for (int x = 0; x <= 1567; x += 40) {
            const float wave = std::sin(static_cast<float>(x) * 0.006f + static_cast<float>(ridge) * 2) * 45;
            points.push_back({static_cast<float>(x), base + wave + dice.Next() * 20});
        }
        points.push_back({1567, 396});
        c.Fill(Path::Polygon(points), ridge == 0 ? 0x7FA6D9 : 0x5C84C2);
    }
    for (int i = 0; i < 14; ++i) {
        const float x = dice.Next() * 1567;
        const float y = 30 + dice.Next() * 120;
        for (int puff = 0; puff < 3; ++puff) c.Fill(Path::Ellipse(x + static_cast<float>(puff) * 18, y - (puff == 1 ? 6 : 0), 20, 11), kWhite);
    }
    return art::Still(std::move(c));
}

Picture Hill(int width, int height, uint32_t seed) {
    Canvas c(width, height);
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    art::Dice dice(seed);
    std::vector<art::PointF> outline{{0, h}, {0, h * 0.55f}};
    for (int i = 1; i < 8; ++i) {
        const float t = static_cast<float>(i) / 8.0f;
        const float dome = std::sin(t * 3.14159f);
        outline.push_back({t * w, h * 0.55f - dome * h * 0.5f + dice.Next() * 12});
    }
    outline.push_back({w, h * 0.55f});
    outline.push_back({w, h});
    const Path shape = Path::Polygon(outline);
    c.Fill(shape, Paint::Linear(0, 0, w, h, {{0, kGrassLight}, {1, kGrass}}));
    // Earth shows through lower down, but the hill stays solid to its bottom edge.
    c.Fill(Path::Rect(0, h * 0.7f, w, h * 0.3f), kMudLight);
    c.Fill(Path::Rect(0, h * 0.85f, w, h * 0.15f), kMud);
    c.Outline(shape, 1.5f, art::Shade(kGrass, -0.4f));
    return art::Still(std::move(c));
}

Picture MudBall() {
    Picture picture;
    for (int frame = 0; frame < 4; ++frame) {
        Canvas c(16, 16);
        c.Fill(Path::Ellipse(8, 8, 7.5f, 7.5f), art::Shade(kMud, -0.4f));
        c.Fill(Path::Ellipse(8, 8, 6.5f, 6.5f), kMud);
        const float a = static_cast<float>(frame) * 1.5708f;
        c.Fill(Path::Ellipse(8 + std::cos(a) * 3, 8 + std::sin(a) * 3, 2, 1.5f), kMudLight);
        c.Fill(Path::Ellipse(5.5f, 5.5f, 1.5f, 1.2f), 0xCC9966);
        picture.frames.push_back(std::move(c));
        picture.delays.push_back(8);
    }
    return picture;
}

Picture Orb() {
    Canvas c(12, 12);
    c.Fill(Path::Ellipse(6, 6, 5.8f, 5.8f), kFlagRed);
    c.Fill(Path::Ellipse(6, 6, 3.5f, 3.5f), kWhite);
    c.Fill(Path::Ellipse(6, 6, 1.8f, 1.8f), kFlagRed);
    return art::Still(std::move(c));
}

Picture Arrow() {
    Picture picture;
    for (int frame = 0; frame < 4; ++frame) {
        Canvas c(30, 43);
        const float dy = std::sin(static_cast<float>(frame) * 1.5708f) * 4 + 4;
        const Path arrow = Path::Polygon({{10, dy}, {20, dy}, {20, dy + 18}, {28, dy + 18}, {15, dy + 34}, {2, dy + 18}, {10, dy + 18}});
        c.Fill(arrow, kGold);
        c.Outline(arrow, 1.5f, art::Shade(kGold, -0.5f));
        picture.frames.push_back(std::move(c));
        picture.delays.push_back(10);
    }
    return picture;
}

Picture Frame() {
    Canvas c(75, 21);
    c.Fill(Path::RoundRect(0, 0, 75, 21, 4), kInk);
    c.Fill(Path::RoundRect(2, 2, 71, 17, 3), 0xFFFFCC);
    return art::Still(std::move(c));
}

Picture FrameStar() {
    Canvas c(31, 28);
    Star(c, 15.5f, 14.5f, 14, art::Shade(kGold, -0.45f));
    Star(c, 15.5f, 14.5f, 12, kGold);
    return art::Still(std::move(c));
}

Picture PowerNotch() {
    Canvas c(3, 18);
    c.Clear(kFlagRed);
    c.Fill(Path::Rect(0, 0, 1, 18), art::Shade(kFlagRed, 0.35f));
    return art::Still(std::move(c));
}

Picture AirPlane() {
    Canvas c(429, 58);
    // The banner on its rope, then the plane pulling it.
    c.Line(300, 29, 340, 29, 1, kInk);
    c.Fill(Path::Rect(2, 10, 298, 38), kWhite);
    c.Outline(Path::Rect(2, 10, 298, 38), 1.5f, kFlagBlue);
    TitleText(c, 151, 17, "VOTE FOR MUD!", 20, kFlagRed, kFlagBlue);
    c.Fill(Path::RoundRect(340, 20, 80, 18, 8), kFlagRed);
    c.Fill(Path::Rect(360, 6, 14, 46), art::Shade(kFlagRed, -0.3f));
    c.Fill(Path::Ellipse(410, 26, 5, 4), 0x99CCCC);
    c.Fill(Path::Rect(420, 14, 4, 30), kInk);
    return art::Still(std::move(c));
}

Picture WindArrow() {
    Canvas c(15, 30);
    const Path head = Path::Polygon({{0, 0}, {15, 15}, {0, 30}});
    c.Fill(head, kFlagBlue);
    c.Outline(head, 1, art::Shade(kFlagBlue, -0.4f));
    return art::Still(std::move(c));
}

Picture WindBar() {
    Canvas c(11, 36);
    c.Fill(Path::RoundRect(0, 0, 11, 36, 3), art::Shade(kFlagBlue, -0.3f));
    c.Fill(Path::RoundRect(1, 1, 9, 34, 3), 0x6699FF);
    return art::Still(std::move(c));
}

Picture WindBarCenter() {
    Canvas c(114, 68);
    c.Fill(Path::RoundRect(0, 0, 114, 68, 14), kFlagBlue);
    c.Fill(Path::RoundRect(3, 3, 108, 62, 12), kWhite);
    TitleText(c, 57, 10, "WIND", 22, kFlagRed, kFlagBlue);
    c.Line(20, 48, 94, 48, 2, kFlagBlue);
    return art::Still(std::move(c));
}

const art::ImageRecipe panorama{"img-hillsblue-1567x396.gif", 1567, 396, 1, Panorama};
const art::ImageRecipe hill1{"img-hill01-335x305.gif", 335, 305, 1, [] { return Hill(335, 305, 11); }};
const art::ImageRecipe hill2{"img-hill02-332x354.gif", 332, 354, 1, [] { return Hill(332, 354, 12); }};
const art::ImageRecipe hill3{"img-hill03-217x381.gif", 217, 381, 1, [] { return Hill(217, 381, 13); }};
const art::ImageRecipe hill4{"img-hill04-343x353.gif", 343, 353, 1, [] { return Hill(343, 353, 14); }};
const art::ImageRecipe hill5{"img-hill05-217x301.gif", 217, 301, 1, [] { return Hill(217, 301, 15); }};
const art::ImageRecipe hill6{"img-hill06-281x306.gif", 281, 306, 1, [] { return Hill(281, 306, 16); }};
const art::ImageRecipe mudBall{"ani-mudball-16x16.gif", 16, 16, 4, MudBall};
const art::ImageRecipe orb{"orb.gif", 12, 12, 1, Orb};
const art::ImageRecipe arrow{"ani-arrow-30x43.gif", 30, 43, 4, Arrow};
const art::ImageRecipe frame{"img-frame-75x21.gif", 75, 21, 1, Frame};
const art::ImageRecipe frameStar{"img-framestar-31x28.gif", 31, 28, 1, FrameStar};
const art::ImageRecipe powerNotch{"img-powernotch-3x18.gif", 3, 18, 1, PowerNotch};
const art::ImageRecipe airPlane{"img-AirPlane-429x58.gif", 429, 58, 1, AirPlane};
const art::ImageRecipe windArrow{"img-WindArrow-15x30.gif", 15, 30, 1, WindArrow};
const art::ImageRecipe windBar{"img-WindBar-11x36.gif", 11, 36, 1, WindBar};
const art::ImageRecipe windBarCenter{"img-WindBarCenter-114x68.gif", 114, 68, 1, WindBarCenter};

}  // namespace
