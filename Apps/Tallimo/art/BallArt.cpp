// Tallimo's balls and the marks around them.
//
//   ball0.gif to ball6.gif        32x32, 8 frames: each kind rolling a whole turn
//   img-balls-gray-7x32x32.gif    the seven kinds in greys, one 32-pixel cell each, for the pattern
//   img-circle.gif                32x32 ring around the steered ball
//   img-arrow-left/right.gif      16x32 where the steered ball can move
//   img-red-x-32x32.gif           a cell that did not match
//   slb-faces.gif                 18 faces of 32x32 for the staff roll's balls
#include <array>
#include <string>

#include "TallimoLook.h"
#include "TallimoPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Path;
using namespace tallimo_art;

art::Picture Rolling(int kind) {
    art::Picture picture;
    for (int f = 0; f < kBallFrames; ++f) {
        Canvas c(32, 32);
        Ball(c, kind, 0, 0, static_cast<float>(f) / kBallFrames);
        picture.frames.push_back(std::move(c));
        picture.delays.push_back(6);
    }
    return picture;
}

const std::array<art::ImageRecipe, kBallKinds> balls = {
    art::ImageRecipe{"ball0.gif", 32, 32, kBallFrames, [] { return Rolling(0); }},
    art::ImageRecipe{"ball1.gif", 32, 32, kBallFrames, [] { return Rolling(1); }},
    art::ImageRecipe{"ball2.gif", 32, 32, kBallFrames, [] { return Rolling(2); }},
    art::ImageRecipe{"ball3.gif", 32, 32, kBallFrames, [] { return Rolling(3); }},
    art::ImageRecipe{"ball4.gif", 32, 32, kBallFrames, [] { return Rolling(4); }},
    art::ImageRecipe{"ball5.gif", 32, 32, kBallFrames, [] { return Rolling(5); }},
    art::ImageRecipe{"ball6.gif", 32, 32, kBallFrames, [] { return Rolling(6); }},
};

art::Picture GreyStrip() {
    Canvas c(32 * kBallKinds, 32);
    for (int kind = 0; kind < kBallKinds; ++kind) GreyBall(c, kind, 32 * kind, 0);
    return art::Still(std::move(c));
}

art::Picture Ring() {
    Canvas c(32, 32);
    c.Outline(Path::Ellipse(16, 16, 14.5f, 14.5f), 3, kAmber);
    c.Outline(Path::Ellipse(16, 16, 16.0f - 0.6f, 16.0f - 0.6f), 1, 0x9A6A00);
    return art::Still(std::move(c));
}

art::Picture Arrow(bool left) {
    Canvas c(16, 32);
    const float tip = left ? 1.5f : 14.5f, back = left ? 14.5f : 1.5f;
    const Path shape = Path::Polygon({{tip, 16}, {back, 5}, {back, 27}});
    c.Fill(shape, art::Paint::Linear(0, 5, 0, 27, {{0, 0xFFE27A}, {1, kOrange}}));
    c.Outline(shape, 1.2f, 0x8A4A00);
    return art::Still(std::move(c));
}

art::Picture RedCross() {
    Canvas c(32, 32);
    for (const auto& [x0, y0, x1, y1] : {std::array{5.f, 5.f, 27.f, 27.f}, std::array{27.f, 5.f, 5.f, 27.f}}) {
        c.Line(x0, y0, x1, y1, 7, kCrossDark);
    }
    for (const auto& [x0, y0, x1, y1] : {std::array{6.f, 6.f, 26.f, 26.f}, std::array{26.f, 6.f, 6.f, 26.f}}) {
        c.Line(x0, y0, x1, y1, 4.5f, kCrossRed);
    }
    return art::Still(std::move(c));
}

// Eighteen people of our own: skin, hair colour and style, and whether they wear glasses.
art::Picture Faces() {
    constexpr uint32_t skins[] = {0xF6D2B0, 0xE8B48A, 0xC98F5E, 0x9A6440, 0x6E4429, 0xF2C08F};
    constexpr uint32_t hairs[] = {0x2A1B12, 0x6B3A1E, 0xE0B040, 0x9A9A9A, 0xB8452A, 0x101010};
    Canvas c(32 * 18, 32);
    for (int i = 0; i < 18; ++i) {
        const float x = 32.0f * static_cast<float>(i);
        const uint32_t skin = skins[i % 6], hair = hairs[(i * 5 + 1) % 6];
        c.Fill(Path::Ellipse(x + 16, 16, 15.5f, 15.5f), kYard + 0x101010);
        c.Outline(Path::Ellipse(x + 16, 16, 15, 15), 1, 0x4E8A8A);
        if (i % 3 == 1) c.Fill(Path::Ellipse(x + 16, 16, 11, 13), hair);  // long hair behind
        c.Fill(Path::Ellipse(x + 16, 17, 9, 10.5f), skin);
        const int style = i % 4;
        if (style == 0) c.Fill(Path::Ellipse(x + 16, 8.5f, 9.5f, 5), hair);
        if (style == 1) c.Fill(Path::Ellipse(x + 16, 8, 10, 5.5f), hair);
        if (style == 2) c.Fill(Path::RoundRect(x + 6, 4, 20, 6, 3), hair);
        if (style == 3) c.Fill(Path::Ellipse(x + 16, 7.5f, 7, 3), hair);
        c.Fill(Path::Ellipse(x + 12.5f, 16, 1.4f, 1.6f), kInk);
        c.Fill(Path::Ellipse(x + 19.5f, 16, 1.4f, 1.6f), kInk);
        if (i % 5 == 2) {
            c.Outline(Path::Ellipse(x + 12.5f, 16, 3, 2.6f), 1, kInk);
            c.Outline(Path::Ellipse(x + 19.5f, 16, 3, 2.6f), 1, kInk);
        }
        Path smile;
        smile.MoveTo(x + 12, 21);
        smile.QuadTo(x + 16, 25, x + 20, 21);
        c.Outline(smile, 1.2f, 0x8A2A2A);
    }
    return art::Still(std::move(c));
}

const art::ImageRecipe grey{"img-balls-gray-7x32x32.gif", 32 * kBallKinds, 32, 1, GreyStrip};
const art::ImageRecipe ring{"img-circle.gif", 32, 32, 1, Ring};
const art::ImageRecipe left{"img-arrow-left.gif", 16, 32, 1, [] { return Arrow(true); }};
const art::ImageRecipe right{"img-arrow-right.gif", 16, 32, 1, [] { return Arrow(false); }};
const art::ImageRecipe cross{"img-red-x-32x32.gif", 32, 32, 1, RedCross};
const art::ImageRecipe faces{"slb-faces.gif", 32 * 18, 32, 1, Faces};

}  // namespace
