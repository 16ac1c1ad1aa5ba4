// The title, the instructions, the logo, the scenery and the hidden page's picture.
//
//   p-img-TitleScreen.gif        500x420 the sunlit sea: the name at the top left, a parchment
//                                for the table at (330, 28) to (496, 124), the seabed below
//   p-img-TitleInstructions.gif  300x270, 8 frames: the submarine gathers a coin and rises,
//                                over the four rules of the game
//   p-img-gamelogo.gif           80x60
//   p-img-OceanTop.gif 500x40, p-img-OceanBottom.gif 500x60, p-img-Seabed.gif 500x40
//   p-img-HiddenPage.gif         100x120 an old brass diving helmet
#include <algorithm>
#include <cmath>

#include "AurelskPalette.h"
#include "SeaArt.h"

namespace {

using art::Canvas;
using art::Path;
using namespace aurelsk_art;

void Seabed(Canvas& c, float top, float height, int seed) {
    const float w = static_cast<float>(c.Width());
    Path sand;
    sand.MoveTo(0, top + height);
    for (int x = 0; x <= c.Width(); x += 10) {
        sand.LineTo(static_cast<float>(x), top + 6 + std::sin(static_cast<float>(x + seed) * 0.03f) * 5);
    }
    sand.LineTo(w, top + height);
    sand.Close();
    for (int i = 0; i < 9; ++i) {
        const float x = std::fmod(static_cast<float>(i * 61 + seed * 7), w);
        Path weed;
        weed.MoveTo(x, top + 12);
        weed.QuadTo(x - 8, top - 6, x + 2, top - 18 - static_cast<float>(i % 3) * 6);
        c.Outline(weed, 3.2f, i % 2 ? kWeed : kWeedDark);
    }
    c.Fill(sand, art::Paint::Linear(0, top, 0, top + height, {{0, kSand}, {1, kSandDark}}));
    for (int i = 0; i < 14; ++i) {
        const float x = std::fmod(static_cast<float>(i * 37 + seed * 13), w);
        c.Fill(Path::Ellipse(x, top + 14 + static_cast<float>(i % 4) * 4, 3.5f, 2), kSandDark);
    }
}

void SeaGround(Canvas& c, uint32_t top, uint32_t bottom) {
    const auto h = static_cast<float>(c.Height());
    c.Fill(Path::Rect(0, 0, static_cast<float>(c.Width()), h), art::Paint::Linear(0, 0, 0, h, {{0, top}, {1, bottom}}));
}

art::Picture Title() {
    Canvas c(500, 420);
    SeaGround(c, 0x3AA6FF, 0x0B4FC4);
    // Sunbeams from the top left.
    for (int i = 0; i < 4; ++i) {
        const float x = 60.0f + 110.0f * static_cast<float>(i);
        c.Fill(Path::Polygon({{x, 0}, {x + 40, 0}, {x - 60, 420}, {x - 120, 420}}),
               art::Mix(0x3AA6FF, kWhite, 0.08f));
    }
    Seabed(c, 378, 42, 3);
    Canvas diver(48, 24);
    DrawDiver(diver, 0, 0, 0);
    c.Draw(diver, 336, 190, 3);
    Canvas shark(64, 24);
    DrawShark(shark, 1);
    c.Draw(Mirrored(shark), 360, 300, 2);
    for (const auto& [x, y, r] : {std::tuple{330.0f, 180.0f, 5.0f}, {322.0f, 160.0f, 3.5f}, {328.0f, 140.0f, 2.5f},
                                  {470.0f, 150.0f, 4.0f}, {480.0f, 280.0f, 3.0f}}) {
        Bubble(c, x, y, r);
    }
    TitleText(c, 14, 10, "AURELSK", 50, kGold, kWoodDark);
    TitleText(c, 18, 68, "Treasure of the Deep", 18, kWhite, kDeep);
    // The parchment for the table of best divers.
    TitleText(c, 360, 6, "TOP DIVERS", 15, kWhite, kDeep);
    c.Fill(Path::RoundRect(329, 27, 168, 98, 6), kWoodDark);
    c.Fill(Path::RoundRect(331, 29, 164, 94, 5), kParchment);
    c.Fill(Path::Rect(331, 118, 164, 5), art::Shade(kParchment, -0.1f));
    return art::Still(std::move(c));
}

art::Picture Instructions() {
    art::Picture p;
    static constexpr const char* rules[] = {
        "Arrow keys steer your submarine.",
        "Space fires a torpedo.",
        "Gather treasure: the hold takes 5.",
        "Surface to bank it: 500 points each!",
        "Come up for air before the oxygen",
        "runs out, and mind the sharks!",
    };
    for (int f = 0; f < 8; ++f) {
        Canvas c(300, 270);
        c.Fill(Path::RoundRect(0.5f, 0.5f, 299, 269, 14), kDeep);
        c.Fill(Path::RoundRect(2.5f, 2.5f, 295, 265, 12), kParchment);
        TitleText(c, 86, 8, "HOW TO DIVE", 18, kGold, kWoodDark);
        // A small sea: the submarine swims to the coin, picks it up and rises with it.
        c.Fill(Path::RoundRect(12, 36, 276, 100, 8), art::Paint::Linear(0, 36, 0, 136, {{0, 0x3AA6FF}, {1, 0x0B4FC4}}));
        c.Fill(Path::Rect(12, 46, 276, 2), kSkyLow);
        c.Fill(Path::Rect(12, 124, 276, 12), kSand);
        const float x = 20 + static_cast<float>(std::min(f, 4)) * 45 + static_cast<float>(std::max(f - 4, 0)) * 6;
        const float y = f < 5 ? 50 + static_cast<float>(f) * 12 : 98 - static_cast<float>(f - 4) * 16;
        if (f < 4) Coin(c, 238, 119, 6);
        DrawDiver(c, x, y, f);
        for (int b = 0; b < 3; ++b) Bubble(c, x - 4 - static_cast<float>(b) * 5, y + 12 - static_cast<float>((b + f) % 3) * 6, 1.5f + static_cast<float>(b) * 0.5f);
        int line = 146;
        for (const char* rule : rules) {
            c.Text(16, line, rule, {13, true, "Arial"}, kIndigo);
            line += 19;
        }
        p.frames.push_back(std::move(c));
        p.delays.push_back(f == 7 ? 120 : 35);
    }
    return p;
}

art::Picture Logo() {
    Canvas c(80, 60);
    c.Fill(Path::RoundRect(0.5f, 0.5f, 79, 59, 10), kDeep);
    c.Fill(Path::RoundRect(2, 2, 76, 56, 9), art::Paint::Linear(0, 0, 0, 60, {{0, 0x3AA6FF}, {1, 0x0B4FC4}}));
    Coin(c, 60, 12, 5);
    Bubble(c, 14, 12, 3);
    DrawDiver(c, 16, 10, 0);
    TitleText(c, 8, 38, "Aurelsk", 15, kGold, kWoodDark);
    return art::Still(std::move(c));
}

art::Picture OceanTop() {
    Canvas c(500, 40);
    c.Fill(Path::Rect(0, 0, 500, 20), art::Paint::Linear(0, 0, 0, 20, {{0, kSkyTop}, {1, kSkyLow}}));
    c.Fill(Path::Rect(0, 20, 500, 20), kSeaBlue);
    for (int x = 0; x < 500; x += 25) c.Fill(Path::Ellipse(static_cast<float>(x) + 12, 20, 13, 3.5f), 0x3D8CFF);
    return art::Still(std::move(c));
}

art::Picture OceanBottom() {
    Canvas c(500, 60);
    SeaGround(c, kSeaBlue, kDeep);
    for (int i = 0; i < 6; ++i) {
        const float x = static_cast<float>(i) * 90 + 20;
        c.Fill(Path::Ellipse(x, 60, 40, 22 + static_cast<float>(i % 3) * 8), art::Mix(kDeep, 0x001A4D, 0.5f));
    }
    return art::Still(std::move(c));
}

art::Picture SeabedStrip() {
    Canvas c(500, 40);
    Seabed(c, 12, 28, 11);
    c.Fill(Path::Ellipse(120, 16, 6, 8), kCoral);
    c.Fill(Path::Ellipse(380, 18, 5, 7), kCoral);
    return art::Still(std::move(c));
}

art::Picture Helmet() {
    Canvas c(100, 120);
    const uint32_t brass = 0xD9A23A, brassDark = 0x8A5A12, brassLight = 0xFFE08A;
    c.Fill(Path::RoundRect(8, 88, 84, 30, 8), brassDark);
    c.Fill(Path::RoundRect(10, 90, 80, 26, 7), brass);
    for (int i = 0; i < 6; ++i) c.Fill(Path::Ellipse(18 + static_cast<float>(i) * 13, 103, 2.5f, 2.5f), brassLight);
    c.Fill(Path::Ellipse(50, 50, 44, 44), brassDark);
    c.Fill(Path::Ellipse(50, 50, 42, 42), art::Paint::Radial(36, 34, 60, {{0, brassLight}, {0.5f, brass}, {1, brassDark}}));
    c.Fill(Path::Ellipse(50, 52, 20, 20), brassDark);
    c.Fill(Path::Ellipse(50, 52, 17, 17), kGlassDark);
    c.Fill(Path::Ellipse(44, 46, 6, 5), kGlass);
    for (int i = 0; i < 4; ++i) c.Line(50, 35 + static_cast<float>(i) * 11.3f, 50, 36 + static_cast<float>(i) * 11.3f, 2.4f, brassDark);
    c.Line(30, 52, 70, 52, 2.4f, brassDark);
    for (const float x : {13.0f, 87.0f}) {
        c.Fill(Path::Ellipse(x, 52, 8, 9), brassDark);
        c.Fill(Path::Ellipse(x, 52, 6, 7), kGlassDark);
    }
    return art::Still(std::move(c));
}

const art::ImageRecipe title{"p-img-TitleScreen.gif", 500, 420, 1, Title};
const art::ImageRecipe instructions{"p-img-TitleInstructions.gif", 300, 270, 8, Instructions};
const art::ImageRecipe logo{"p-img-gamelogo.gif", 80, 60, 1, Logo};
const art::ImageRecipe oceanTop{"p-img-OceanTop.gif", 500, 40, 1, OceanTop};
const art::ImageRecipe oceanBottom{"p-img-OceanBottom.gif", 500, 60, 1, OceanBottom};
const art::ImageRecipe seabed{"p-img-Seabed.gif", 500, 40, 1, SeabedStrip};
const art::ImageRecipe helmet{"p-img-HiddenPage.gif", 100, 120, 1, Helmet};

}  // namespace
