// The ballpark around the crowd.
//
//   img-sky-500x121.gif                sky with clouds and the light towers
//   img-wall-523x44.gif                the green back wall with its boards, behind the top row
//   img-flag-46x35.gif                 a pennant on its pole, standing on the back wall
//   img-wall-228x61.gif                the front wall at the foot of the stands, with bunting
//   img-stair.gif                      129x359, the aisle: five steps 60 apart, treads at
//                                      y 66, 126, 186, 246 and 306 where the seller stands
//   img-bench.gif                      46x66, one seat of a row and the riser below it
//   img-chair_endrow_left-46x46.gif, img-chair_endrow_right-46x46.gif
//                                      the last seat of a row, its end panel toward the aisle
//   img-supply_box-54x29.gif           the supply stand at the foot of the aisle
#include <cmath>
#include <string_view>

#include "PellawickLook.h"
#include "PellawickPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace pellawick_art;

void Cloud(Canvas& c, float x, float y, float size) {
    const float puffs[][3] = {{0, 0, 1}, {0.9f, -0.35f, 0.8f}, {1.7f, 0.05f, 0.7f}, {-0.8f, 0.15f, 0.6f}};
    for (const auto& p : puffs)
        c.Fill(Path::Ellipse(x + p[0] * size, y + p[1] * size + 1.5f, p[2] * size, p[2] * size * 0.7f), 0xD6E6F5);
    for (const auto& p : puffs)
        c.Fill(Path::Ellipse(x + p[0] * size, y + p[1] * size, p[2] * size * 0.95f, p[2] * size * 0.62f), kWhite);
}

void LightTower(Canvas& c, float x) {
    c.Fill(Path::Polygon({{x - 2, 121}, {x + 2, 121}, {x + 1.2f, 30}, {x - 1.2f, 30}}), kSteelDark);
    c.Fill(Path::RoundRect(x - 13, 12, 26, 19, 2), kSteelDark);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 5; ++col)
            c.Fill(Path::Ellipse(x - 9.5f + 4.8f * static_cast<float>(col), 16.5f + 5 * static_cast<float>(row), 1.9f, 1.9f),
                   0xFFF8D8);
}

art::Picture Sky() {
    Canvas c(500, 121);
    c.Fill(Path::Rect(0, 0, 500, 121), Paint::Linear(0, 0, 0, 121, {{0, kSkyTop}, {1, kSkyLow}}));
    Cloud(c, 70, 30, 14);
    Cloud(c, 235, 18, 11);
    Cloud(c, 350, 44, 16);
    Cloud(c, 160, 62, 9);
    LightTower(c, 18);
    LightTower(c, 482);
    // The far stands across the field.
    c.Fill(Path::Polygon({{0, 96}, {120, 84}, {380, 84}, {500, 96}, {500, 121}, {0, 121}}), 0x7F93A8);
    for (float y = 88; y < 121; y += 4) c.Line(0, y, 500, y, 0.6f, 0x6D8096);
    // A full house far away: specks of shirts in every colour.
    const uint32_t shirts[] = {kStripeRed, kWhite, kOrange, kSeatLight, kMustard, 0x9B59D0, kLeaf};
    for (int i = 0; i < 420; ++i) {
        const float x = std::fmod(static_cast<float>(i) * 37.31f, 500.0f);
        const float y = 86 + std::fmod(static_cast<float>(i) * 11.7f, 34.0f);
        const float top = x < 120 ? 96 - x / 10 : x > 380 ? 84 + (x - 380) / 10 : 84;
        if (y < top + 2) continue;
        c.Fill(Path::Rect(x, y, 1.6f, 1.6f), shirts[static_cast<size_t>(i) % 7]);
    }
    return art::Still(std::move(c));
}

void PaddedWall(Canvas& c, int width, int height, float railY) {
    c.Fill(Path::Rect(0, 0, static_cast<float>(width), static_cast<float>(height)),
           Paint::Linear(0, 0, 0, static_cast<float>(height), {{0, kWallLight}, {0.5f, kWall}, {1, kWallDark}}));
    c.Fill(Path::Rect(0, railY, static_cast<float>(width), 3), kMustard);
    c.Line(0, railY + 3.5f, static_cast<float>(width), railY + 3.5f, 1, art::Shade(kMustard, -0.4f));
    for (int x = 40; x < width; x += 80) c.Line(static_cast<float>(x), railY + 5, static_cast<float>(x), static_cast<float>(height), 1, kWallDark);
}

art::Picture BackWall() {
    Canvas c(523, 44);
    PaddedWall(c, 523, 44, 0);
    const std::string_view boards[] = {"PELLA PARK", "HOT SNACKS", "GO TEAM!", "ICE COLD COLA"};
    float x = 22;
    for (const std::string_view text : boards) {
        const art::TextStyle style{13, true};
        const int w = Canvas::TextWidth(text, style) + 16;
        c.Fill(Path::RoundRect(x, 10, static_cast<float>(w), 26, 3), kCream);
        c.Fill(Path::RoundRect(x + 2, 12, static_cast<float>(w) - 4, 22, 2), text == "GO TEAM!" ? kIndigo : kStripeRed);
        c.Text(static_cast<int>(x) + 8, 16, text, style, kWhite);
        x += static_cast<float>(w) + 24;
    }
    return art::Still(std::move(c));
}

art::Picture Flag() {
    Canvas c(46, 35);
    c.Fill(Path::RoundRect(2, 1, 3, 34, 1.5f), kSteelDark);
    c.Fill(Path::Ellipse(3.5f, 2, 2.5f, 2.5f), kMustard);
    Path pennant;
    pennant.MoveTo(5, 4);
    pennant.CubicTo(18, 2, 30, 9, 45, 11);
    pennant.CubicTo(30, 14, 18, 20, 5, 21);
    pennant.Close();
    c.Fill(pennant, art::Shade(kStripeRed, -0.35f));
    Path inner;
    inner.MoveTo(6, 5.5f);
    inner.CubicTo(18, 4, 28, 9.5f, 41, 11);
    inner.CubicTo(28, 13, 18, 18.5f, 6, 19.5f);
    inner.Close();
    c.Fill(inner, Paint::Linear(6, 0, 41, 0, {{0, kStripeRed}, {1, art::Shade(kStripeRed, 0.25f)}}));
    c.Fill(Path::Polygon({{9, 10}, {16, 10.5f}, {16, 14}, {9, 14.5f}}), kWhite);
    return art::Still(std::move(c));
}

art::Picture FrontWall() {
    Canvas c(228, 61);
    c.Fill(Path::Rect(0, 8, 228, 53), Paint::Linear(0, 8, 0, 61, {{0, kConcreteLight}, {1, kConcreteDark}}));
    // A rail along the top and bunting hung from it.
    c.Fill(Path::Rect(0, 4, 228, 4), kSteelDark);
    c.Line(0, 4.5f, 228, 4.5f, 1, kSteel);
    const uint32_t swag[] = {kStripeRed, kWhite, kIndigo};
    for (int i = 0; i < 8; ++i) {
        const float x = 2 + 28.0f * static_cast<float>(i);
        for (int band = 0; band < 3; ++band) {
            const float r = 13 - 4.0f * static_cast<float>(band);
            c.Fill(Path::Ellipse(x + 13, 8, r, r * 0.95f), swag[band]);
        }
        c.Fill(Path::Rect(x, 0, 28, 8), kSteelDark);
        c.Line(x, 4.5f, x + 28, 4.5f, 1, kSteel);
    }
    for (int x = 0; x < 228; x += 38) c.Line(static_cast<float>(x), 30, static_cast<float>(x), 61, 1, kConcreteDark);
    return art::Still(std::move(c));
}

art::Picture Stair() {
    Canvas c(129, 359);
    c.Fill(Path::Rect(0, 0, 129, 359), kConcrete);
    for (int step = 0; step < 5; ++step) {
        const float tread = 66 + 60.0f * static_cast<float>(4 - step);
        // The step's top seen from above, its safety strip, and the riser below it.
        c.Fill(Path::Rect(10, tread - 16, 109, 16), Paint::Linear(0, tread - 16, 0, tread, {{0, kConcreteLight}, {1, kConcrete}}));
        c.Fill(Path::Rect(10, tread - 3, 109, 3), kMustard);
        c.Fill(Path::Rect(10, tread, 109, 44), Paint::Linear(0, tread, 0, tread + 44, {{0, kConcreteDark}, {1, kConcrete}}));
    }
    c.Fill(Path::Rect(10, 0, 109, 50), Paint::Linear(0, 0, 0, 50, {{0, kConcreteDark}, {1, kConcrete}}));
    // Side walls and the handrail on posts.
    for (const float x : {0.0f, 119.0f}) {
        c.Fill(Path::Rect(x, 0, 10, 359), Paint::Linear(x, 0, x + 10, 0, {{0, kConcreteDark}, {1, art::Shade(kConcreteDark, -0.25f)}}));
    }
    for (int step = 0; step < 5; ++step) {
        const float y = 66 + 60.0f * static_cast<float>(step) - 26;
        c.Fill(Path::Rect(113, y, 3, 26), kSteelDark);
    }
    c.Fill(Path::Rect(112, 20, 5, 320), kSteel);
    c.Line(113, 20, 113, 340, 1, art::Shade(kSteel, 0.4f));
    return art::Still(std::move(c));
}

// One seat: the back, the seat and the concrete riser of the row below.
void Seat(Canvas& c, float x) {
    c.Fill(Path::RoundRect(x + 4, 2, 38, 28, 6), kSeatDark);
    c.Fill(Path::RoundRect(x + 5, 3, 36, 26, 5), Paint::Linear(0, 3, 0, 29, {{0, kSeatLight}, {1, kSeat}}));
    c.Fill(Path::RoundRect(x + 8, 5, 14, 3, 1.5f), art::Shade(kSeatLight, 0.35f));
    c.Fill(Path::RoundRect(x + 2, 26, 42, 8, 3), kSeatDark);
    c.Fill(Path::RoundRect(x + 3, 27, 40, 5, 2.5f), kSeat);
}

void Riser(Canvas& c, int width, int height) {
    c.Fill(Path::Rect(0, 34, static_cast<float>(width), static_cast<float>(height) - 34),
           Paint::Linear(0, 34, 0, static_cast<float>(height), {{0, kConcreteDark}, {0.2f, kConcrete}, {1, kConcreteLight}}));
}

art::Picture Bench() {
    Canvas c(46, 66);
    Riser(c, 46, 66);
    Seat(c, 0);
    return art::Still(std::move(c));
}

art::Picture EndChair(bool panelLeft) {
    Canvas c(46, 46);
    Riser(c, 46, 46);
    Seat(c, 0);
    // The row's end standard with its number plate.
    const float x = panelLeft ? 1 : 35;
    c.Fill(Path::RoundRect(x, 8, 10, 38, 3), kSteelDark);
    c.Fill(Path::RoundRect(x + 1, 9, 8, 36, 2.5f), kSteel);
    c.Fill(Path::RoundRect(x + 1.5f, 14, 7, 7, 1), kMustard);
    c.Text(static_cast<int>(x) + 3, 14, "7", art::TextStyle{8, true}, kInk);
    return art::Still(std::move(c));
}

art::Picture SupplyBox() {
    Canvas c(54, 29);
    Snack(c, 0, 6, 0, 14);
    Snack(c, 1, 20, 1, 13);
    Snack(c, 2, 33, 3, 14);
    c.Fill(Path::RoundRect(1, 10, 52, 19, 3), kOrangeDark);
    c.Fill(Path::RoundRect(2, 11, 50, 17, 2.5f), Paint::Linear(0, 11, 0, 28, {{0, kOrange}, {1, art::Shade(kOrange, -0.2f)}}));
    c.Fill(Path::Rect(2, 11, 50, 3), art::Shade(kOrange, 0.35f));
    const art::TextStyle style{9, true};
    const int w = Canvas::TextWidth("SUPPLY", style);
    c.Text(27 - w / 2, 16, "SUPPLY", style, kWhite);
    return art::Still(std::move(c));
}

const art::ImageRecipe sky{"img-sky-500x121.gif", 500, 121, 1, Sky};
const art::ImageRecipe backWall{"img-wall-523x44.gif", 523, 44, 1, BackWall};
const art::ImageRecipe flag{"img-flag-46x35.gif", 46, 35, 1, Flag};
const art::ImageRecipe frontWall{"img-wall-228x61.gif", 228, 61, 1, FrontWall};
const art::ImageRecipe stair{"img-stair.gif", 129, 359, 1, Stair};
const art::ImageRecipe bench{"img-bench.gif", 46, 66, 1, Bench};
const art::ImageRecipe chairLeft{"img-chair_endrow_left-46x46.gif", 46, 46, 1, [] { return EndChair(true); }};
const art::ImageRecipe chairRight{"img-chair_endrow_right-46x46.gif", 46, 46, 1, [] { return EndChair(false); }};
const art::ImageRecipe supplyBox{"img-supply_box-54x29.gif", 54, 29, 1, SupplyBox};

}  // namespace
