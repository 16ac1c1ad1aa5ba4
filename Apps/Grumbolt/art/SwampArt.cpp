// The swamp screen's pictures:
//
//   p-img-Background.gif   350x420 behind the 11 x 11 cells (30 pixels from (17, 41)): open water
//                          with ripples, reeds along the edges and the name on a log at the top
//   p-img-Lilypad.gif      30x30 one free cell
//   p-img-Selected.gif     30x30 the ring around the selected frog; its middle is see-through
//   p-img-Status.gif       150x420 the side panel at x 350; its blue face takes the score, the
//                          difficulty and the buttons, in the screen's own field blue
#include <cmath>

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

void Ripples(Canvas& c, int left, int top, int right, int bottom, int count, uint32_t seed) {
    art::Dice dice(seed);
    for (int i = 0; i < count; ++i) {
        const float x = static_cast<float>(left + dice.Below(right - left));
        const float y = static_cast<float>(top + dice.Below(bottom - top));
        const float w = 6 + dice.Next() * 14;
        Path arc;
        arc.MoveTo(x - w, y);
        arc.QuadTo(x, y - 2.5f, x + w, y);
        c.Outline(arc, 1, dice.Next() < 0.5f ? kWaterLight : art::Mix(kWater, kRipple, 0.5f));
    }
}

// A log across the top with the game's name carved in.
void Log(Canvas& c, float x, float y, float w, float h) {
    const Path log = Path::RoundRect(x, y, w, h, h / 2);
    c.Fill(log.Stroke(2), kWoodDark);
    c.Fill(log, Paint::Linear(0, y, 0, y + h, {{0, kWoodLight}, {0.4f, kWood}, {1, kWoodDark}}));
    for (int i = 1; i < 5; ++i) {
        const float lx = x + w * static_cast<float>(i) / 5;
        c.Line(lx - 8, y + h * 0.3f, lx + 8, y + h * 0.3f, 0.8f, art::Shade(kWood, -0.25f));
    }
    c.Fill(Path::Ellipse(x + w - h / 2, y + h / 2, h / 2 - 2, h / 2 - 2), art::Shade(kWoodLight, 0.2f));
    c.Outline(Path::Ellipse(x + w - h / 2, y + h / 2, h / 4, h / 4), 1, kWood);
}

art::Picture Background() {
    Canvas c(350, 420);
    c.Clear(kWater);
    // Darker deeps and lighter shallows drift under the ripples.
    art::Dice dice(3);
    for (int i = 0; i < 9; ++i) {
        const float x = 20 + dice.Next() * 310, y = 60 + dice.Next() * 300, r = 25 + dice.Next() * 30;
        c.Fill(Path::Ellipse(x, y, r, r * 0.55f), art::Mix(kWater, i % 2 == 0 ? kWaterDeep : kWaterLight, 0.25f));
    }
    Ripples(c, 20, 45, 340, 370, 70, 7);
    c.Fill(Path::Rect(0, 372, 350, 48), Paint::Linear(0, 372, 0, 420, {{0, kWaterDeep}, {1, kNight}}));
    for (int i = 0; i < 7; ++i) Reeds(c, 4 + static_cast<float>(i) * 50, 420, 44, 11 + static_cast<uint32_t>(i));
    Log(c, 70, 6, 210, 28);
    const art::TextStyle style{20, true};
    NameLettering(c, 175 - Canvas::TextWidth("Grumbolt", style) / 2, 8, "Grumbolt", style);
    return art::Still(std::move(c));
}

art::Picture Pad() {
    Canvas c(30, 30);
    Lilypad(c, 15, 14.5f, 13.5f, 5.6f);
    return art::Still(std::move(c));
}

art::Picture Selected() {
    Canvas c(30, 30);
    c.Outline(Path::Ellipse(15, 15, 13.5f, 13.5f), 3.4f, art::Shade(kMarker, -0.5f));
    c.Outline(Path::Ellipse(15, 15, 13.5f, 13.5f), 2.2f, kMarker);
    c.Outline(Path::Ellipse(15, 15, 13.5f, 13.5f), 0.6f, art::Shade(kMarker, 0.6f));
    for (int i = 0; i < 4; ++i) {
        const float a = 0.785f + 1.5708f * static_cast<float>(i);
        const float x = 15 + 13.5f * std::cos(a), y = 15 + 13.5f * std::sin(a);
        c.Fill(Path::Polygon({{x, y - 3}, {x + 1, y - 1}, {x + 3, y}, {x + 1, y + 1}, {x, y + 3}, {x - 1, y + 1}, {x - 3, y},
                              {x - 1, y - 1}}),
               kWhite);
    }
    c.Erase(Path::Ellipse(15, 15, 11.5f, 11.5f));
    return art::Still(std::move(c));
}

art::Picture Status() {
    Canvas c(150, 420);
    c.Fill(Path::Rect(0, 0, 150, 420), Paint::Linear(0, 0, 150, 0, {{0, kReedDark}, {0.5f, kReed}, {1, kReedDark}}));
    // Bamboo posts down both sides.
    for (const float x : {4.f, 140.f}) {
        c.Fill(Path::Rect(x, 0, 8, 420), Paint::Linear(x, 0, x + 8, 0, {{0, 0xB7C96A}, {0.5f, 0x8FA043}, {1, 0x556020}}));
        for (int y = 30; y < 420; y += 60) c.Line(x, static_cast<float>(y), x + 8, static_cast<float>(y), 1.4f, 0x556020);
    }
    // The face, framed in wood: the screen fills its middle with the same blue.
    const Path frame = Path::RoundRect(22, 32, 120, 278, 10);
    c.Fill(frame.Stroke(3), kWoodDark);
    c.Fill(frame, Paint::Linear(0, 32, 0, 310, {{0, kWoodLight}, {1, kWood}}));
    c.Fill(Path::RoundRect(27, 37, 110, 268, 7), kWater);
    c.Line(28, 38, 136, 38, 1, kWaterDeep);
    const art::TextStyle style{17, true};
    NameLettering(c, 82 - Canvas::TextWidth("Swamp", style) / 2, 8, "Swamp", style);
    // A frog resting on a pad below the panel.
    Lilypad(c, 82, 366, 34, 5.2f);
    Frog(c, 82, 360, 1.9f, FrogColour(5), {});
    return art::Still(std::move(c));
}

const art::ImageRecipe background{"p-img-Background.gif", 350, 420, 1, Background};
const art::ImageRecipe lilypad{"p-img-Lilypad.gif", 30, 30, 1, Pad};
const art::ImageRecipe selected{"p-img-Selected.gif", 30, 30, 1, Selected};
const art::ImageRecipe status{"p-img-Status.gif", 150, 420, 1, Status};

}  // namespace
