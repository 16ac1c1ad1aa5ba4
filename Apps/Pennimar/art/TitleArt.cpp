// The game's name pictures and the title screen's demo.
//
//   p-img-pennimar_logo.gif   300x160 the name over a farm at noon, on the title screen
//   p-img-logo-80x60.gif      the logo for the portal's pages
//   p-ani-demo.gif            212x124, 12 frames: the farmer lays a fence and the land fenced in
//                             turns to grass while a cow wanders the open field
#include <cmath>

#include "PennimarLook.h"
#include "PennimarPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace pennimar_art;

void Barn(Canvas& c, float x, float y, float s) {
    Part(c, Path::Rect(x, y + 10 * s, 26 * s, 18 * s), kBarn, kBarnDark);
    Part(c, Path::Polygon({{x - 2 * s, y + 11 * s}, {x + 13 * s, y}, {x + 28 * s, y + 11 * s}}), 0x8C2A22, kBarnDark);
    Part(c, Path::Rect(x + 8 * s, y + 16 * s, 10 * s, 12 * s), kCream, kBarnDark);
    c.Line(x + 8 * s, y + 16 * s, x + 18 * s, y + 28 * s, 1.2f * s, kBarnDark);
    c.Line(x + 18 * s, y + 16 * s, x + 8 * s, y + 28 * s, 1.2f * s, kBarnDark);
}

void Rails(Canvas& c, float left, float right, float y, float s) {
    for (float x = left; x <= right; x += 12 * s) Part(c, Path::Rect(x, y, 2.5f * s, 10 * s), kWood, kWoodDark);
    Part(c, Path::Rect(left, y + 2 * s, right - left + 2 * s, 2 * s), kWood, kWoodDark);
    Part(c, Path::Rect(left, y + 6 * s, right - left + 2 * s, 2 * s), kWood, kWoodDark);
}

void Farm(Canvas& c, float w, float h, float horizon) {
    c.Fill(Path::Rect(0, 0, w, h), Paint::Linear(0, 0, 0, horizon, {{0, 0x5DB8EE}, {1, 0xC8ECFF}}));
    c.Fill(Path::Ellipse(w * 0.86f, h * 0.16f, h * 0.1f, h * 0.1f), 0xFFE680);
    Path hills;
    hills.MoveTo(0, horizon);
    hills.CubicTo(w * 0.25f, horizon - h * 0.16f, w * 0.45f, horizon - h * 0.1f, w * 0.6f, horizon - h * 0.02f);
    hills.CubicTo(w * 0.75f, horizon - h * 0.14f, w * 0.9f, horizon - h * 0.12f, w, horizon - h * 0.04f);
    hills.LineTo(w, h);
    hills.LineTo(0, h);
    hills.Close();
    c.Fill(hills, Paint::Linear(0, horizon - h * 0.16f, 0, h, {{0, kGrassLight}, {1, kGrassDark}}));
}

art::Picture Logo() {
    Canvas c(300, 160);
    Farm(c, 300, 160, 118);
    Barn(c, 222, 66, 2.0f);
    Rails(c, 6, 292, 126, 1.6f);
    const art::TextStyle style{46, true};
    NameLettering(c, (300 - Canvas::TextWidth("Pennimar", style)) / 2, 14, "Pennimar", style);
    Canvas cow(34, 24);
    DrawAnimal(cow, 0, 0.25f, false);
    c.Draw(cow, 40, 96);
    Canvas pig(28, 20);
    DrawAnimal(pig, 1, 0.5f, false);
    c.Draw(Mirror(pig), 150, 104);
    c.Outline(Path::RoundRect(1, 1, 298, 158, 10), 2, kBrown);
    return art::Still(std::move(c));
}

art::Picture PortalLogo() {
    Canvas c(80, 60);
    Farm(c, 80, 60, 44);
    Barn(c, 52, 24, 0.8f);
    Rails(c, 2, 76, 47, 0.8f);
    const art::TextStyle style{15, true};
    NameLettering(c, (80 - Canvas::TextWidth("Pennimar", style)) / 2, 6, "Pennimar", style);
    c.Outline(Path::Rect(0.5f, 0.5f, 79, 59), 1, kBrown);
    return art::Still(std::move(c));
}

// The fence the farmer lays in the demo: along the bottom, up, across and down to close.
constexpr float kTrail[][2] = {{150, 116}, {150, 60}, {60, 60}, {60, 116}};

art::Picture Demo() {
    constexpr int kFrames = 12;
    const float w = 212, h = 124;
    const Canvas earth = EarthTile(), grass = GrassTile();
    art::Picture picture;
    for (int f = 0; f < kFrames; ++f) {
        // The play field's own earth, and its grass where the fence closes.
        Canvas c(212, 124);
        Tile(c, earth, 0, 0, 212, 124);
        const bool closed = f >= 9;
        if (closed) Tile(c, grass, 60, 60, 150, 116);
        c.Outline(Path::Rect(4, 4, w - 8, h - 8), 3, kWoodDark);
        c.Outline(Path::Rect(4, 4, w - 8, h - 8), 1.2f, kWood);
        // The trail grows a third each three frames, then the farmer walks on.
        const float laid = std::min(3.0f, static_cast<float>(f) / 3.0f);
        float px = kTrail[0][0], py = kTrail[0][1];
        for (int leg = 0; leg < 3 && laid > static_cast<float>(leg); ++leg) {
            const float t = std::min(1.0f, laid - static_cast<float>(leg));
            const float x = kTrail[leg][0] + (kTrail[leg + 1][0] - kTrail[leg][0]) * t;
            const float y = kTrail[leg][1] + (kTrail[leg + 1][1] - kTrail[leg][1]) * t;
            c.Line(kTrail[leg][0], kTrail[leg][1], x, y, 3, kWoodDark);
            c.Line(kTrail[leg][0], kTrail[leg][1], x, y, 1.2f, kWood);
            px = x, py = y;
        }
        if (closed) {
            Canvas sleeper(28, 20);
            DrawAnimal(sleeper, 1, 0, true);
            c.Draw(sleeper, 92, 80);
            c.OutlinedText(118, 66, "z", art::TextStyle{10, true}, kWhite, 0x2C3E88);
        } else {
            Canvas pig(28, 20);
            DrawAnimal(pig, 1, static_cast<float>(f % 4) / 4, false);
            c.Draw(pig, 88 + f, 84 - f);
        }
        Canvas cow(34, 24);
        DrawAnimal(cow, 0, static_cast<float>(f % 4) / 4, false);
        c.Draw(Mirror(cow), 170 - 4 * f, 20 + f);
        DrawFarmer(c, px - 6, py - 6, 12);
        picture.frames.push_back(std::move(c));
        picture.delays.push_back(f == kFrames - 1 ? 150 : 35);
    }
    return picture;
}

const art::ImageRecipe logo{"p-img-pennimar_logo.gif", 300, 160, 1, Logo};
const art::ImageRecipe portalLogo{"p-img-logo-80x60.gif", 80, 60, 1, PortalLogo};
const art::ImageRecipe demo{"p-ani-demo.gif", 212, 124, 12, Demo};

}  // namespace
