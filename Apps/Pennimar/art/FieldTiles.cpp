// The field's two tiles, shared by the field's pictures and the title's demo.
#include "PennimarLook.h"
#include "PennimarPalette.h"
#include "art/Dice.h"

namespace pennimar_art {

using art::Canvas;
using art::Path;

namespace {

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

}  // namespace

// Bare earth: crumbly clods lit from the top left with their shadows to the bottom right, one in
// each cell of a 4 x 4 grid, shaken off its centre, with dark hollows, specks and a few pebbles
// between them; every shape wraps at the edges.
Canvas EarthTile() {
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
    return c;
}

Canvas GrassTile() {
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
    return c;
}

void Tile(Canvas& c, const Canvas& tile, int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) c.Set(x, y, tile.At(x % tile.Width(), y % tile.Height()));
}

}  // namespace pennimar_art
