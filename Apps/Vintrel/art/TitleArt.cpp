// The pond and the title: the title picture, the start animation whose frame 2 is the pond the
// game is played on and the staff list is shown over, and the strip that moves under the title.
#include <cmath>

#include "VintrelPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Path;
using namespace vintrel_palette;

constexpr uint32_t kSky = 0x9999CC;
constexpr uint32_t kShore = 0x4E8A3A;
constexpr uint32_t kTitleInk = 0x333399;

void Pond(Canvas& c, float ripple) {
    c.Clear(kShore);
    c.Fill(Path::Ellipse(245, 209, 207, 207), 0x2B4F22);
    c.Fill(Path::Ellipse(245, 209, 205, 205), art::Paint::Radial(245, 209, 205, {{0, kShallow}, {1, kWater}}));
    for (int ring = 1; ring <= 3; ++ring) {
        const float r = 50.0f * static_cast<float>(ring) + ripple;
        c.Outline(Path::Ellipse(245, 209, r, r), 1.0f, art::Mix(kShallow, 0xFFFFFF, 0.25f));
    }
}

// Three frames over three seconds: the pond fills in, ripples, and rests as the playing field.
art::Picture StartAnimation() {
    art::Picture p;
    for (int f = 0; f < 3; ++f) {
        Canvas c(500, 420);
        Pond(c, f == 2 ? 0.0f : 15.0f * static_cast<float>(2 - f));
        p.frames.push_back(std::move(c));
        p.delays.push_back(100);
    }
    p.loop = false;
    return p;
}

art::Picture TitlePicture() {
    Canvas c(500, 420);
    c.Clear(kSky);
    c.Fill(Path::Ellipse(250, 420, 300, 120), kWater);
    const art::TextStyle big{40, true, "Arial"};
    const int w = Canvas::TextWidth("Vintrel", big);
    c.OutlinedText(250 - w / 2, 40, "Vintrel", big, kTitleInk, 0xFFFFFF);
    const art::TextStyle small{14, true, "Arial"};
    const int s = Canvas::TextWidth("Eat or be eaten", small);
    c.Text(250 - s / 2, 95, "Eat or be eaten", small, 0x000000);
    c.Fill(Path::RoundRect(40, 180, 200, 125, 8), 0xCCCCEE);
    // A big blob about to eat a little one that flees, and a bigger one behind it.
    const auto blob = [&c](float x, float y, float r, uint32_t body, uint32_t dark, bool left) {
        c.Fill(Path::Ellipse(x, y, r + 1.5f, r + 1.5f), dark);
        c.Fill(Path::Ellipse(x, y, r, r), body);
        c.Fill(Path::Ellipse(x - r * 0.3f, y - r * 0.35f, r * 0.3f, r * 0.2f), art::Mix(body, 0xFFFFFF, 0.45f));
        const float side = left ? -1.0f : 1.0f;
        c.Fill(Path::Ellipse(x + side * r * 0.35f, y - r * 0.25f, r * 0.28f, r * 0.28f), 0xFFFFFF);
        c.Fill(Path::Ellipse(x + side * r * 0.45f, y - r * 0.25f, r * 0.14f, r * 0.14f), 0x101010);
    };
    blob(470, 290, 10, 0xE8702A, 0x8A3210, false);
    blob(400, 285, 26, 0x2FB84A, 0x14632A, false);
    blob(318, 262, 40, 0xE8702A, 0x8A3210, false);
    return art::Still(std::move(c));
}

// Blobs of growing size rolling along the bottom of the title.
art::Picture TitleStrip() {
    art::Picture p;
    for (int f = 0; f < 8; ++f) {
        Canvas c(500, 79);
        c.Clear(kWater);
        for (int b = 0; b < 5; ++b) {
            const float r = 6.0f + 4.0f * static_cast<float>(b);
            const float x = std::fmod(static_cast<float>(b * 110 + f * 14), 540.0f) - 20.0f;
            c.Fill(Path::Ellipse(x, 40, r, r), b % 2 == 0 ? 0x2FB84A : 0xE8702A);
        }
        p.frames.push_back(std::move(c));
        p.delays.push_back(12);
    }
    return p;
}

const art::ImageRecipe kTitle{"img-titlescreen-500x420.gif", 500, 420, 1, TitlePicture};
const art::ImageRecipe kStart{"img-backgroundscreen-500x420.gif", 500, 420, 3, StartAnimation};
const art::ImageRecipe kStrip{"ani-titlescreen_animation-500x79.gif", 500, 79, 8, TitleStrip};

}  // namespace
