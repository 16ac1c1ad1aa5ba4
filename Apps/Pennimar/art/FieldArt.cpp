// The ground and the fence:
//
//   p-img-earth_tile.gif   32x32 open earth, tiled over the field; seamless
//   p-img-grass_tile.gif   32x32 captured grass, tiled; seamless
//   p-slb-fence.gif        24x4, six 4x4 cells: horizontal, vertical, then the corners
//                          right-down, left-down, right-up, left-up
#include "PennimarPalette.h"
#include "art/ArtRegistry.h"
#include "art/Dice.h"

namespace {

using art::Canvas;
using art::Path;
using namespace pennimar_art;

// A small deterministic scatter, so the tiles look the same at every build.
struct Scatter {
    uint32_t state;
    int Next(int modulo) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % static_cast<uint32_t>(modulo));
    }
};

// Draws a shape at (x, y) and again one tile away on each side, so what crosses an edge comes
// back in at the other and the tiling shows no seam.
template <class Draw>
void Wrapped(float x, float y, Draw draw) {
    for (const float dy : {-32.0f, 0.0f, 32.0f})
        for (const float dx : {-32.0f, 0.0f, 32.0f}) draw(x + dx, y + dy);
}

// Bare earth: crumbly clods lit from the top left with their shadows to the bottom right, one in
// each cell of a 4 x 4 grid, shaken off its centre, with dark hollows, specks and a few pebbles
// between them; every shape wraps at the edges.
art::Picture EarthTile() {
    Canvas c(32, 32);
    c.Clear(kEarth);
    art::Dice dice(0x5EED1E55u);
    for (int i = 0; i < 8; ++i) {
        const float x = dice.Next() * 32, y = dice.Next() * 32;
        const float rx = 1.5f + dice.Next() * 2.0f, ry = 1.0f + dice.Next();
        Wrapped(x, y, [&](float cx, float cy) { c.Fill(Path::Ellipse(cx, cy, rx, ry), kEarthHollow); });
    }
    for (int cell = 0; cell < 16; ++cell) {
        const float x = static_cast<float>(cell % 4 * 8) + 2 + dice.Next() * 4;
        const float y = static_cast<float>(cell / 4 * 8) + 2 + dice.Next() * 4;
        const float rx = 1.4f + dice.Next() * 1.8f, ry = 1.1f + dice.Next() * 1.3f;
        const uint32_t body = dice.Next() < 0.5f ? kEarthClod : kEarth;
        Wrapped(x, y, [&](float cx, float cy) {
            c.Fill(Path::Ellipse(cx + 0.9f, cy + 0.9f, rx, ry), kEarthDark);
            c.Fill(Path::Ellipse(cx, cy, rx, ry), body);
            c.Fill(Path::Ellipse(cx - rx * 0.35f, cy - ry * 0.4f, rx * 0.45f, ry * 0.4f), kEarthLight);
        });
    }
    for (int i = 0; i < 24; ++i) c.Set(dice.Below(32), dice.Below(32), i % 2 == 0 ? kEarthDark : kEarthLight);
    for (int i = 0; i < 3; ++i) {
        const int x = dice.Below(32), y = dice.Below(32);
        c.Set(x, y, kPebble);
        c.Set((x + 1) % 32, y, kPebbleShade);
        c.Set(x, (y + 1) % 32, kPebbleShade);
    }
    return art::Still(std::move(c));
}

art::Picture GrassTile() {
    Canvas c(32, 32);
    c.Clear(kGrass);
    Scatter s{3};
    // Tufts: a dark blade with a light tip, wrapped at the edges.
    for (int i = 0; i < 34; ++i) {
        const int x = s.Next(32), y = s.Next(32);
        c.Set(x, y, kGrassDark);
        c.Set(x, (y + 31) % 32, kGrassDark);
        c.Set((x + 1) % 32, (y + 30) % 32, kGrassLight);
    }
    for (int i = 0; i < 3; ++i) {
        const int x = 3 + s.Next(26), y = 3 + s.Next(26);
        c.Set(x, y, 0xFFE14A);  // a buttercup
        c.Set(x + 1, y, 0xFFF6A8);
    }
    return art::Still(std::move(c));
}

// Each cell: a wooden rail with a dark edge, and a post at the corners.
art::Picture FenceStrip() {
    Canvas c(24, 4);
    const auto horizontal = [&](int x0) {
        c.Fill(Path::Rect(static_cast<float>(x0), 0, 4, 4), kWoodDark);
        c.Fill(Path::Rect(static_cast<float>(x0), 1, 4, 2), kWood);
        c.Set(x0, 1, kCream);
    };
    const auto vertical = [&](int x0) {
        c.Fill(Path::Rect(static_cast<float>(x0), 0, 4, 4), kWoodDark);
        c.Fill(Path::Rect(static_cast<float>(x0) + 1, 0, 2, 4), kWood);
        c.Set(x0 + 1, 0, kCream);
    };
    horizontal(0);
    vertical(4);
    // Corners: a post with a rail out to each of its two arms.
    const bool armRight[4] = {true, false, true, false}, armDown[4] = {true, true, false, false};
    for (int cell = 2; cell < 6; ++cell) {
        const int x0 = cell * 4;
        const bool right = armRight[cell - 2], down = armDown[cell - 2];
        c.Fill(Path::Rect(static_cast<float>(x0) + (right ? 1.0f : 0.0f), 1, 3, 2), kWood);
        c.Fill(Path::Rect(static_cast<float>(x0) + 1, down ? 1.0f : 0.0f, 2, 3), kWood);
        c.Fill(Path::Rect(static_cast<float>(x0) + 1, 1, 2, 2), kWoodDark);
        c.Set(x0 + 1, 1, kCream);
    }
    return art::Still(std::move(c));
}

const art::ImageRecipe earth{"p-img-earth_tile.gif", 32, 32, 1, EarthTile};
const art::ImageRecipe grass{"p-img-grass_tile.gif", 32, 32, 1, GrassTile};
const art::ImageRecipe fence{"p-slb-fence.gif", 24, 4, 1, FenceStrip};

}  // namespace
