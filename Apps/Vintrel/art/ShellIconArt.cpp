// The game's tile on the portal's pages, 80x60: a big orange blob, mouth open, chasing the
// player's little green one across the pond, and the game's name along the bottom.
#include <cmath>

#include "VintrelPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Path;
using namespace vintrel_palette;

constexpr uint32_t kDeep = 0x1E4F8C;
constexpr uint32_t kFoam = 0xBFE6FF;
constexpr uint32_t kMouth = 0x5A1A08;
constexpr uint32_t kNameInk = 0xFFF3C0;
constexpr uint32_t kNameRing = 0x333399;

// A blob looking right: rim, body, a highlight from the top left and one eye.
void Blob(Canvas& c, float x, float y, float r, uint32_t body, uint32_t dark) {
    c.Fill(Path::Ellipse(x, y, r + 1, r + 1), dark);
    c.Fill(Path::Ellipse(x, y, r, r), art::Paint::Radial(x - r * 0.4f, y - r * 0.4f, r * 1.8f,
                                                         {{0, art::Mix(body, 0xFFFFFF, 0.35f)}, {0.6f, body}, {1, dark}}));
    c.Fill(Path::Ellipse(x - r * 0.45f, y - r * 0.5f, r * 0.25f, r * 0.15f), art::Mix(body, 0xFFFFFF, 0.7f));
    const float eye = std::max(1.6f, r * 0.26f);
    c.Fill(Path::Ellipse(x + r * 0.35f, y - r * 0.3f, eye, eye), 0xFFFFFF);
    c.Fill(Path::Ellipse(x + r * 0.35f + eye * 0.4f, y - r * 0.3f, eye * 0.5f, eye * 0.5f), 0x101010);
}

art::Picture ShellIcon() {
    Canvas c(80, 60);
    c.Fill(Path::Rect(0, 0, 80, 60), art::Paint::Radial(30, 18, 70, {{0, kShallow}, {0.55f, kWater}, {1, kDeep}}));
    for (const float r : {10.0f, 17.0f, 24.0f})
        c.Outline(Path::Ellipse(58, 22, r, r * 0.55f), 0.8f, art::Mix(kWater, kFoam, 0.35f));
    // The hunter, its mouth open towards the one it chases.
    Blob(c, 25, 24, 15, kBaddieBody, kBaddieDark);
    c.Fill(Path::Polygon({{40.5f, 20}, {29, 28}, {40.5f, 33}}), kMouth);
    c.Fill(Path::Polygon({{40.5f, 20}, {36, 23.5f}, {40.5f, 24}}), 0xFFFFFF);
    // The player, fleeing, with the wake it leaves.
    for (int i = 0; i < 3; ++i) c.Line(44.0f + 3 * i, 17.0f + 4 * i, 49.0f + 3 * i, 17.0f + 4 * i, 1.2f, kFoam);
    Blob(c, 60, 22, 7, kPlayerBody, kPlayerDark);
    for (const art::PointF bubble : {art::PointF{71, 11}, art::PointF{75, 17}, art::PointF{9, 7}})
        c.Outline(Path::Ellipse(bubble.x, bubble.y, 1.6f, 1.6f), 0.8f, kFoam);
    // The name in cream, ringed in indigo and then in foam.
    const art::TextStyle style{17, true, "Arial"};
    const int x = (80 - Canvas::TextWidth("Vintrel", style)) / 2;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (dx * dx + dy * dy <= 5) c.Text(x + dx, 40 + dy, "Vintrel", style, kFoam);
    c.OutlinedText(x, 40, "Vintrel", style, kNameInk, kNameRing);
    c.Outline(Path::Rect(0.5f, 0.5f, 79, 59), 1, kDeep);
    return art::Still(std::move(c));
}

const art::ImageRecipe kIcon{"img-shell_icon-80x60.gif", 80, 60, 1, ShellIcon};

}  // namespace
