// The ground and the fence:
//
//   p-img-earth_tile.gif   32x32 open earth, tiled over the field; seamless
//   p-img-grass_tile.gif   32x32 captured grass, tiled; seamless
//   p-slb-fence.gif        24x4, six 4x4 cells: horizontal, vertical, then the corners
//                          right-down, left-down, right-up, left-up
#include "PennimarLook.h"
#include "PennimarPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Path;
using namespace pennimar_art;

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

const art::ImageRecipe earth{"p-img-earth_tile.gif", 32, 32, 1, [] { return art::Still(EarthTile()); }};
const art::ImageRecipe grass{"p-img-grass_tile.gif", 32, 32, 1, [] { return art::Still(GrassTile()); }};
const art::ImageRecipe fence{"p-slb-fence.gif", 24, 4, 1, FenceStrip};

}  // namespace
