// The Settings page's pictures: the volume knob, unlit and lit, and the page's two buttons.
#include "PortalLook.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;

// An upright grip, 18 wide, centred on the scale's line at its middle: indigo at rest, orange
// while the pointer is on it or drags it.
art::Picture Knob(bool lit) {
    Canvas c(18, 26);
    const uint32_t colour = lit ? portal::kOrange : portal::kIndigo;
    c.Fill(Path::RoundRect(1, 1, 16, 24, 4), art::Shade(colour, -0.55f));
    c.Fill(Path::RoundRect(2, 2, 14, 22, 3),
           Paint::Linear(2, 0, 16, 0, {{0, art::Shade(colour, 0.45f)}, {0.5f, colour}, {1, art::Shade(colour, -0.3f)}}));
    for (const float y : {9.5f, 13.0f, 16.5f}) {
        c.Line(5, y, 13, y, 1, art::Shade(colour, -0.5f));
        c.Line(5, y + 1, 13, y + 1, 1, art::Shade(colour, 0.6f));
    }
    return art::Still(std::move(c));
}

const art::ImageRecipe knob{"img-tabunlit.gif", 18, 26, 1, [] { return Knob(false); }};
const art::ImageRecipe litKnob{"img-tablit.gif", 18, 26, 1, [] { return Knob(true); }};
const art::ImageRecipe apply{"btn-txt-apply-78x24.gif", 78, 24, 1,
                             [] { return portal::TextButton("Apply", 78, 24, portal::kGreen); }};
const art::ImageRecipe removeGames{"btn-txt-remove_games-100x24.gif", 100, 24, 1,
                                   [] { return portal::TextButton("Remove Games", 100, 24, portal::kIndigo); }};

}  // namespace
