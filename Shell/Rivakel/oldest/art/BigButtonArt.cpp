// The oldest build's big menu buttons: a strip of four 46x46 backs (normal, highlighted, hover,
// and a pressed-looking fourth) and a strip of six 46x46 icons drawn over them, keyed around the
// shapes: E-Mail This, New Game, Pause, Resume, Instructions, Back to Game.
#include <array>

#include "PortalLook.h"

namespace {

using art::Canvas;
using portal::Glyph;

constexpr int kCell = 46;
constexpr portal::Box kBack{2, 2, 42, 42};
constexpr std::array<Glyph, 6> kIcons = {Glyph::Mail,         Glyph::NewGame, Glyph::Pause, Glyph::Resume,
                                         Glyph::Instructions, Glyph::ReturnToGame};

art::Picture DrawBacks() {
    Canvas c(4 * kCell, kCell);
    for (int frame = 0; frame < 4; ++frame) {
        const portal::Box box{kBack.x + frame * kCell + (frame == 3 ? 1.0f : 0.0f), kBack.y + (frame == 3 ? 1.0f : 0.0f),
                              kBack.w, kBack.h};
        const uint32_t colour = frame == 1 ? portal::kOrange : frame == 3 ? portal::kIndigoDark : portal::kIndigoLight;
        portal::ButtonFace(c, box, colour, frame == 2);
        if (frame == 2) {
            c.Outline(art::Path::RoundRect(box.x + 2.5f, box.y + 2.5f, box.w - 5, box.h - 5, 7), 1.0f, portal::kCream);
        }
    }
    return art::Still(std::move(c));
}

art::Picture DrawIcons() {
    Canvas c(static_cast<int>(kIcons.size()) * kCell, kCell);
    // White with a deep outline reads on every back, the dark pressed one included.
    for (size_t i = 0; i < kIcons.size(); ++i) {
        portal::DrawGlyph(c, kIcons[i], static_cast<float>(i) * kCell + kCell / 2.0f, kCell / 2.0f, 26.0f,
                          portal::kWhite, portal::kIndigoDeep);
    }
    return art::Still(std::move(c));
}

const art::ImageRecipe backs{"slb-bigbtnbacks-hc.gif", 4 * kCell, kCell, 1, DrawBacks};
const art::ImageRecipe icons{"slb-bigbtnicons.gif", static_cast<int>(kIcons.size()) * kCell, kCell, 1, DrawIcons};

}  // namespace
