// The ground and the fence:
//
//   p-img-earth_tile.gif   32x32 open earth, tiled over the field; seamless
//   p-img-grass_tile.gif   32x32 captured grass, tiled; seamless
//   p-slb-fence.gif        24x4, six 4x4 cells: horizontal, vertical, then the corners
//                          right-down, left-down, right-up, left-up
#include "PennimarPalette.h"
#include "art/ArtRegistry.h"

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

art::Picture EarthTile() {
    Canvas c(32, 32);
    c.Clear(kEarth);
    // Furrows run across; each wraps at the tile's edge so the tiling shows no seam.
    for (int row = 0; row < 4; ++row) {
        const int y = row * 8 + 3;
        for (int x = 0; x < 32; ++x) {
            c.Set(x, y, kEarthDark);
            c.Set(x, y + 1, kEarthLight);
        }
    }
    Scatter s{7};
    for (int i = 0; i < 40; ++i) {
        const int x = s.Next(32), y = s.Next(32);
        c.Set(x, y, (i % 3 == 0) ? kEarthLight : kEarthDark);
    }
    // A few pebbles.
    for (int i = 0; i < 4; ++i) {
        const int x = 2 + s.Next(28), y = 2 + s.Next(28);
        c.Set(x, y, 0xC9A27A);
        c.Set(x + 1, y, 0xA88260);
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
