// The in-game menu bar's pictures, each a plain one and a "_rollover" one. The shell writes the
// label under the picture (starting two pixels above its bottom) and stacks the buttons 67
// pixels apart in a column on (0, 0, 153), so the tile leaves the bottom rows free for the label.
#include <array>
#include <string>

#include "PortalLook.h"

namespace {

using art::Canvas;
using portal::Glyph;

struct MenuPicture {
    std::string name;
    Glyph glyph;
};

const std::array<MenuPicture, 6> kPictures{{
    {"returntogame", Glyph::ReturnToGame},
    {"mail", Glyph::Mail},
    {"newgame", Glyph::NewGame},
    {"pause", Glyph::Pause},
    {"resume", Glyph::Resume},
    {"instructions", Glyph::Instructions},
}};

constexpr int kWidth = 50, kHeight = 48;
constexpr portal::Box kTile{1, 1, 48, 44};

void DrawTile(Canvas& c, const MenuPicture& p, bool over) {
    const uint32_t tile = portal::GlyphColour(p.glyph), ink = portal::GlyphInk(p.glyph);
    portal::ButtonFace(c, kTile, tile, over);
    if (over)
        c.Outline(art::Path::RoundRect(kTile.x + 2.5f, kTile.y + 2.5f, kTile.w - 5, kTile.h - 5, 7), 1.0f,
                  portal::kCream);
    portal::DrawGlyph(c, p.glyph, kTile.x + kTile.w / 2, kTile.y + kTile.h / 2, over ? 28.0f : 26.0f, ink,
                      ink == portal::kWhite ? art::Shade(tile, -0.6f) : portal::kWhite);
}

art::Picture DrawPicture(const MenuPicture& p, bool over) {
    Canvas c(kWidth, kHeight);
    DrawTile(c, p, over);
    return art::Still(std::move(c));
}

portal::Recipes MakeRecipes() {
    portal::Recipes out;
    for (const MenuPicture& p : kPictures) {
        for (const bool over : {false, true}) {
            const std::string name = p.name + (over ? "_rollover.gif" : ".gif");
            out.push_back(std::make_unique<art::ImageRecipe>(name, kWidth, kHeight, 1,
                                                             [&p, over] { return DrawPicture(p, over); }));
        }
    }
    return out;
}

const portal::Recipes recipes = MakeRecipes();

}  // namespace
