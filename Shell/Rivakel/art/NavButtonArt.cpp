// The navigation buttons: a round icon per target ("asl-icn-mini-*", 32x32) and the big skin's
// button bar piece ("asl-btn-big-*", 83x28). The shell lays the icon over the left end of the big
// button (icon at (-2, 0), button at (0, 3) of an 85x32 cell on the navigation ground), so the
// caption is centred in the part of the button right of the icon. Frame 0 normal, 1 rollover.
#include <array>
#include <string>

#include "PortalLook.h"

namespace {

using art::Canvas;
using portal::Glyph;

struct NavTarget {
    std::string name;  // as the file names spell it, and the caption
    Glyph glyph;
};

const std::array<NavTarget, 5> kTargets{{
    {"Home", Glyph::Home},
    {"Games", Glyph::Games},
    {"Support", Glyph::Support},
    {"About", Glyph::About},
    {"Join", Glyph::Join},
}};

constexpr int kIconSize = 32;
constexpr int kButtonWidth = 83, kButtonHeight = 28;
// Where the icon covers the button: its right edge in button coordinates, plus a small gap.
constexpr int kCaptionLeft = 31;

void DrawIcon(Canvas& c, const NavTarget& target, bool over) {
    const float centre = kIconSize / 2.0f;
    const uint32_t colour = portal::GlyphColour(target.glyph);
    portal::Medallion(c, centre, centre, 15.5f, colour, over);
    portal::DrawGlyph(c, target.glyph, centre, centre + 0.5f, over ? 19.0f : 18.0f, portal::GlyphInk(target.glyph),
                      art::Shade(colour, -0.6f));
}

void DrawBigButton(Canvas& c, const NavTarget& target, bool over) {
    portal::ButtonFace(c, {0, 0, kButtonWidth, kButtonHeight}, portal::kIndigo, over);
    const art::TextStyle style = portal::FittingStyle(target.name, 13, kButtonWidth - kCaptionLeft - 5);
    const float cx = (kCaptionLeft + kButtonWidth) / 2.0f - 1;
    portal::Caption(c, cx, kButtonHeight / 2.0f, target.name, style, over ? portal::kWhite : portal::kCreamDeep,
                    portal::kIndigoDeep);
}

std::string IconName(const NavTarget& t) { return "asl-icn-mini-" + t.name + "-32x32x2.gif"; }
std::string ButtonName(const NavTarget& t) {
    std::string lower = t.name;
    for (char& ch : lower) ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    return "asl-btn-big-" + lower + "-83x28x2.gif";
}

portal::Recipes MakeRecipes() {
    portal::Recipes out;
    for (const NavTarget& t : kTargets) {
        out.push_back(std::make_unique<art::ImageRecipe>(IconName(t), kIconSize, kIconSize, 2, [&t] {
            return portal::NormalAndOver([&t](Canvas& c, bool over) { DrawIcon(c, t, over); }, kIconSize, kIconSize);
        }));
        out.push_back(std::make_unique<art::ImageRecipe>(ButtonName(t), kButtonWidth, kButtonHeight, 2, [&t] {
            return portal::NormalAndOver([&t](Canvas& c, bool over) { DrawBigButton(c, t, over); }, kButtonWidth,
                                         kButtonHeight);
        }));
    }
    return out;
}

const portal::Recipes recipes = MakeRecipes();

}  // namespace
