// The three skylines the fireworks rise over, 500 wide with a see-through sky: a harbour town
// with palms and a tall ship (Easy), a lakeside city of dark towers (Medium) and a crowded island
// of spires beside a bridge (Hard). Each stands on dark water that mirrors its lights.
#include <cmath>
#include <vector>

#include "GlimtideLook.h"
#include "GlimtidePalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace glimtide_art;

constexpr int kWidth = 500;
constexpr int kHeight = 160;
constexpr float kShore = 146;  // where the buildings meet the water
constexpr uint32_t kWater = 0x0B1A3C;
constexpr uint32_t kWaterLight = 0x1A3164;
constexpr uint32_t kBeacon = 0xFF3B3B;
constexpr uint32_t kPalm = 0x123A38;
constexpr uint32_t kPalmLight = 0x1F5A50;

enum class Roof { Flat, Antenna, TwinAntennas, Spire, Stepped, Crown, Pyramid };

struct Tower {
    float x, w, h;
    Roof roof = Roof::Flat;
    float cell = 6;
};

void Beacon(Canvas& c, float x, float y) {
    c.Fill(Path::Ellipse(x, y, 1.6f, 1.6f), kBeacon);
    c.Set(static_cast<int>(x), static_cast<int>(y), 0xFFB0B0);
}

// A tower standing on the shore: a dark rim, a face lit from the upper left, windows and its roof.
void DrawTower(Canvas& c, const Tower& t, uint32_t seed) {
    const float top = kShore - t.h;
    const float right = t.x + t.w;
    switch (t.roof) {
        case Roof::Spire:
            c.Fill(Path::Polygon({{t.x + t.w * 0.3f, top + 1}, {t.x + t.w * 0.5f, top - t.h * 0.28f},
                                  {t.x + t.w * 0.7f, top + 1}}),
                   kCityLight);
            c.Line(t.x + t.w * 0.5f, top - t.h * 0.28f, t.x + t.w * 0.5f, top - t.h * 0.4f, 1.2f, kCityLight);
            Beacon(c, t.x + t.w * 0.5f, top - t.h * 0.4f);
            break;
        case Roof::Antenna:
            c.Line(t.x + t.w * 0.5f, top, t.x + t.w * 0.5f, top - 16, 1.3f, kCityLight);
            Beacon(c, t.x + t.w * 0.5f, top - 16);
            break;
        case Roof::TwinAntennas:
            for (const float f : {0.3f, 0.7f}) {
                c.Line(t.x + t.w * f, top, t.x + t.w * f, top - 20, 1.4f, kCityLight);
                Beacon(c, t.x + t.w * f, top - 20);
            }
            break;
        case Roof::Stepped:
            c.Fill(Path::Rect(t.x + t.w * 0.15f - 1, top - 9, t.w * 0.7f + 2, 10), kCityDark);
            c.Fill(Path::Rect(t.x + t.w * 0.15f, top - 8, t.w * 0.7f, 9), kCityLight);
            c.Fill(Path::Rect(t.x + t.w * 0.32f - 1, top - 17, t.w * 0.36f + 2, 10), kCityDark);
            c.Fill(Path::Rect(t.x + t.w * 0.32f, top - 16, t.w * 0.36f, 9), kCityLight);
            c.Line(t.x + t.w * 0.5f, top - 16, t.x + t.w * 0.5f, top - 30, 1.6f, kCityLight);
            Beacon(c, t.x + t.w * 0.5f, top - 30);
            break;
        case Roof::Crown: {
            // Three rings of arches narrowing to a needle, each lit along its edge.
            for (int i = 0; i < 3; ++i) {
                const float inset = t.w * (0.08f + 0.13f * static_cast<float>(i));
                const float base = top - 7 * static_cast<float>(i);
                Path arch;
                arch.MoveTo(t.x + inset, base + 1);
                arch.QuadTo(t.x + t.w * 0.5f, base - 14, right - inset, base + 1);
                arch.Close();
                c.Fill(arch, kCityDark);
                c.Fill(arch.Transformed(1, 0, 1), kCityLight);
                c.Line(t.x + inset + 2, base - 1, t.x + t.w * 0.5f, base - 6.5f, 1, kWindow);
            }
            c.Line(t.x + t.w * 0.5f, top - 18, t.x + t.w * 0.5f, top - 34, 1.2f, kCityLight);
            break;
        }
        case Roof::Pyramid:
            c.Fill(Path::Polygon({{t.x - 1, top + 1}, {t.x + t.w * 0.5f, top - t.w * 0.45f}, {right + 1, top + 1}}),
                   kCityDark);
            c.Fill(Path::Polygon({{t.x + 1, top + 1}, {t.x + t.w * 0.5f, top - t.w * 0.4f}, {right - 1, top + 1}}),
                   kCityLight);
            break;
        case Roof::Flat:
            break;
    }
    c.Fill(Path::Rect(t.x - 1, top - 1, t.w + 2, t.h + 2), kCityDark);
    c.Fill(Path::Rect(t.x, top, t.w, t.h),
           Paint::Linear(t.x, top, right, kShore, {{0, kCityLight}, {0.35f, kCity}, {1, art::Mix(kCity, kCityDark, 0.5f)}}));
    c.Fill(Path::Rect(t.x, top, 1.5f, t.h), art::Shade(kCityLight, 0.2f));
    Windows(c, t.x + 1, top + 2, right - 1, kShore - 2, t.cell, seed);
}

// The water below the shore: dark, with ripples and the lights of the shore mirrored in it.
void Water(Canvas& c, uint32_t seed) {
    c.Fill(Path::Rect(0, kShore, kWidth, kHeight - kShore),
           Paint::Linear(0, kShore, 0, kHeight, {{0, kWaterLight}, {1, kWater}}));
    Dice dice(seed);
    for (int i = 0; i < 70; ++i) {
        const float x = dice.Next() * kWidth;
        const float y = kShore + 2 + dice.Next() * (kHeight - kShore - 3);
        const float length = 3 + dice.Next() * 9;
        const uint32_t colour = dice.Next() < 0.55f ? art::Mix(kWindow, kWater, 0.45f) : kWaterLight;
        c.Line(x, y, x + length, y, 1, colour);
    }
    c.Line(0, kShore, kWidth, kShore, 1, kCityDark);
}

Tower T(float x, float w, float h, Roof roof = Roof::Flat, float cell = 6) { return {x, w, h, roof, cell}; }

void Towers(Canvas& c, const std::vector<Tower>& towers, uint32_t seed) {
    for (size_t i = 0; i < towers.size(); ++i) DrawTower(c, towers[i], seed + static_cast<uint32_t>(i) * 7919u);
}

// A palm leaning by `lean`, its crown at the top.
void Palm(Canvas& c, float x, float height, float lean) {
    const float topX = x + lean, topY = kShore - height;
    Path trunk;
    trunk.MoveTo(x - 2.5f, kShore);
    trunk.QuadTo(x + lean * 0.2f - 2, kShore - height * 0.6f, topX - 1, topY);
    trunk.LineTo(topX + 1, topY);
    trunk.QuadTo(x + lean * 0.2f + 2, kShore - height * 0.6f, x + 2.5f, kShore);
    trunk.Close();
    c.Fill(trunk, kPalm);
    for (int i = 0; i < 7; ++i) {
        const float a = -2.9f + static_cast<float>(i) * 0.95f;
        const float reach = 14 + static_cast<float>(i % 2) * 4;
        const float ex = topX + std::cos(a) * reach, ey = topY + std::sin(a) * reach * 0.55f + 6;
        Path frond;
        frond.MoveTo(topX, topY);
        frond.QuadTo((topX + ex) / 2 + std::sin(a) * 4, (topY + ey) / 2 - 6, ex, ey);
        frond.QuadTo((topX + ex) / 2, (topY + ey) / 2 - 1, topX, topY + 2);
        frond.Close();
        c.Fill(frond, i % 2 == 0 ? kPalm : kPalmLight);
    }
}

// A tall ship at anchor: hull, three masts and furled yards.
void TallShip(Canvas& c, float x) {
    c.Fill(Path::Polygon({{x, kShore - 14}, {x + 86, kShore - 14}, {x + 78, kShore + 2}, {x + 8, kShore + 2}}), kCityDark);
    c.Fill(Path::Polygon({{x + 2, kShore - 13}, {x + 84, kShore - 13}, {x + 77, kShore}, {x + 9, kShore}}), kCity);
    c.Line(x + 6, kShore - 8, x + 80, kShore - 8, 1, kWindowDim);
    c.Line(x + 86, kShore - 14, x + 110, kShore - 30, 1.2f, kCityLight);  // bowsprit
    for (const float mast : {20.f, 44.f, 68.f}) {
        const float height = mast == 44.f ? 70 : 58;
        c.Line(x + mast, kShore - 13, x + mast, kShore - 13 - height, 1.6f, kCityLight);
        for (int yard = 1; yard <= 3; ++yard) {
            const float y = kShore - 13 - height * (0.3f * static_cast<float>(yard));
            const float half = 14 - 3 * static_cast<float>(yard);
            c.Line(x + mast - half, y, x + mast + half, y, 1.4f, kCityLight);
        }
        Beacon(c, x + mast, kShore - 13 - height);
    }
    // Strings of lights from the bowsprit over the masts to the stern.
    c.Line(x + 110, kShore - 30, x + 68, kShore - 71, 1, kWindowDim);
    c.Line(x + 68, kShore - 71, x + 44, kShore - 83, 1, kWindowDim);
    c.Line(x + 44, kShore - 83, x + 20, kShore - 71, 1, kWindowDim);
    c.Line(x + 20, kShore - 71, x, kShore - 14, 1, kWindowDim);
}

art::Picture HarbourTown() {
    Canvas c(kWidth, kHeight);
    Towers(c, {T(150, 26, 58), T(172, 30, 82, Roof::Antenna), T(204, 22, 64, Roof::Pyramid), T(228, 34, 96, Roof::Flat, 7),
               T(266, 24, 70), T(292, 30, 88, Roof::Antenna), T(326, 22, 52), T(350, 36, 74, Roof::Pyramid),
               T(390, 28, 60), T(420, 22, 44)},
           11);
    TallShip(c, 12);
    for (const float x : {132.f, 146.f, 446.f, 462.f, 482.f}) Palm(c, x, 46 + std::fmod(x, 17.f), x < 300 ? -8 : 7);
    Water(c, 3);
    return art::Still(std::move(c));
}

art::Picture LakesideCity() {
    Canvas c(kWidth, kHeight);
    Towers(c, {T(20, 30, 62), T(52, 26, 84), T(80, 34, 100, Roof::Flat, 7), T(118, 24, 72),
               T(146, 30, 118, Roof::Pyramid, 7), T(180, 22, 90), T(206, 40, 124, Roof::TwinAntennas, 8),
               T(250, 26, 96), T(280, 34, 110, Roof::Antenna, 7), T(318, 24, 76), T(346, 30, 98, Roof::Flat, 7),
               T(380, 38, 80), T(422, 26, 66), T(452, 40, 54)},
           23);
    // The tallest tower climbs in stacked blocks.
    DrawTower(c, T(214, 12, 134), 97);
    DrawTower(c, T(232, 12, 128), 98);
    Water(c, 5);
    return art::Still(std::move(c));
}

// A suspension bridge from the left edge to the island, its cables strung with lights.
void Bridge(Canvas& c) {
    const float deck = kShore - 16;
    for (const float towerX : {18.f, 104.f}) {
        c.Fill(Path::Rect(towerX - 6, deck - 52, 12, 68), kCityDark);
        c.Fill(Path::Rect(towerX - 5, deck - 51, 10, 67), kCity);
        c.Fill(Path::RoundRect(towerX - 3, deck - 44, 2.5f, 14, 1.2f), kCityDark);
        c.Fill(Path::RoundRect(towerX + 0.5f, deck - 44, 2.5f, 14, 1.2f), kCityDark);
        Beacon(c, towerX, deck - 53);
    }
    Path cable;
    cable.MoveTo(-10, deck - 10);
    cable.QuadTo(-2, deck - 50, 18, deck - 51);
    cable.QuadTo(61, deck + 4, 104, deck - 51);
    cable.QuadTo(124, deck - 50, 150, deck - 4);
    for (size_t f = 0; f < cable.Figures().size(); ++f) {
        const auto& points = cable.Figures()[f];
        for (size_t i = 1; i < points.size(); ++i)
            c.Line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, 1.2f, kCityLight);
        for (size_t i = 0; i < points.size(); i += 3) {
            c.Set(static_cast<int>(points[i].x), static_cast<int>(points[i].y) + 1, kWindow);
            if (points[i].y < deck - 2) c.Line(points[i].x, points[i].y, points[i].x, deck, 0.8f, kCityDark);
        }
    }
    c.Fill(Path::Rect(0, deck - 1, 160, 4), kCityDark);
    c.Fill(Path::Rect(0, deck, 160, 2), kCityLight);
    for (int x = 3; x < 160; x += 7) c.Set(x, static_cast<int>(deck) + 2, kWindow);
}

art::Picture IslandCity() {
    Canvas c(kWidth, kHeight);
    Towers(c, {T(140, 22, 70), T(160, 26, 96, Roof::Stepped), T(190, 20, 80), T(208, 28, 108, Roof::Crown, 7),
               T(240, 24, 88), T(262, 32, 116, Roof::Stepped, 7), T(298, 22, 84, Roof::Antenna),
               T(318, 30, 100, Roof::Pyramid, 7), T(352, 26, 76), T(376, 34, 92, Roof::Flat, 7), T(414, 24, 68),
               T(436, 30, 84, Roof::Spire), T(468, 32, 58)},
           41);
    // The two tallest, in front.
    DrawTower(c, T(228, 30, 112, Roof::Stepped, 7), 141);
    DrawTower(c, T(186, 26, 100, Roof::Crown, 6), 142);
    Bridge(c);
    Water(c, 7);
    return art::Still(std::move(c));
}

const art::ImageRecipe city1{"city1.gif", kWidth, kHeight, 1, HarbourTown};
const art::ImageRecipe city2{"city2.gif", kWidth, kHeight, 1, LakesideCity};
const art::ImageRecipe city3{"city3.gif", kWidth, kHeight, 1, IslandCity};

}  // namespace
