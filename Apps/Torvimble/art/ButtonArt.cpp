// The tables' buttons, one picture per look ("" normal, "_pressed", "_sel" under the mouse,
// "_dis" disabled, "_pressed_dis" disabled while selected):
//
//   btn-{Hit,Stand,double,Split,deal}-75x36   the actions, four looks each
//   btn-MainMenu-76x24                        normal, pressed and under the mouse
//   btn-bet1..5-34x34                         clay chips, five looks each
//   btn-hold-34x34                            the hold toggle under each poker card, five looks
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "TorvimbleLook.h"
#include "TorvimblePalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace torvimble_art;

struct LookName {
    Look look;
    const char* suffix;
};
constexpr std::array<LookName, 5> kLooks = {{{Look::Normal, ""},
                                             {Look::Pressed, "_pressed"},
                                             {Look::Hover, "_sel"},
                                             {Look::Disabled, "_dis"},
                                             {Look::PressedDisabled, "_pressed_dis"}}};

std::string Named(const char* stem, const LookName& look) { return std::string(stem) + look.suffix + ".gif"; }

art::Picture Action(Look look, uint32_t colour, const char* caption) {
    Canvas c(75, 36);
    ButtonFace(c, look, colour, caption, {17, true});
    return art::Still(std::move(c));
}

art::Picture MainMenu(Look look) {
    Canvas c(76, 24);
    ButtonFace(c, look, kWood, "Main Menu", {12, true});
    return art::Still(std::move(c));
}

// A clay chip seen from above: a coloured rim with six white inlays, an inner ring and the
// number in the middle.
art::Picture Chip(Look look, uint32_t colour, const char* label) {
    Canvas c(34, 34);
    const bool pressed = look == Look::Pressed || look == Look::PressedDisabled;
    const bool disabled = look == Look::Disabled || look == Look::PressedDisabled;
    uint32_t body = colour;
    if (look == Look::Hover) body = art::Shade(colour, 0.25f);
    if (pressed) body = art::Shade(colour, -0.2f);
    if (disabled) body = art::Mix(body, 0x9A9A9A, 0.75f);
    const uint32_t inlay = disabled ? 0xC8C8C8 : kWhite;
    const float cx = 17, cy = pressed ? 17.5f : 16.5f;
    if (pressed) c.Fill(Path::Ellipse(17, 17, 16.8f, 16.8f), disabled ? 0xB0B0B0 : kBrassLight);
    c.Fill(Path::Ellipse(cx, cy, 15.5f, 15.5f), art::Shade(body, -0.55f));
    c.Fill(Path::Ellipse(cx, cy, 14.5f, 14.5f),
           Paint::Radial(cx - 4, cy - 5, 20, {{0, art::Shade(body, 0.3f)}, {0.6f, body}, {1, art::Shade(body, -0.3f)}}));
    for (int i = 0; i < 6; ++i) {
        const float a = static_cast<float>(i) * 1.0472f + 0.26f;
        const float x = cx + 12 * std::cos(a), y = cy + 12 * std::sin(a);
        c.Fill(Path::Ellipse(x, y, 2.4f, 2.4f), inlay);
    }
    c.Fill(Path::Ellipse(cx, cy, 9.5f, 9.5f), disabled ? 0xD8D8D8 : kCream);
    c.Outline(Path::Ellipse(cx, cy, 9.5f, 9.5f), 1.0f, art::Shade(body, -0.35f));
    const art::TextStyle style{14, true};
    const uint32_t ink = disabled ? 0x8A8A8A : art::Shade(colour, -0.35f);
    FitGlyph(c, static_cast<int>(cx) - 8, static_cast<int>(cy) - 7, 16, 14, label, style, ink, false);
    return art::Still(std::move(c));
}

struct ChipKind {
    const char* stem;
    uint32_t colour;
    const char* label;
};
constexpr std::array<ChipKind, 5> kChips = {{
    {"btn-bet1-34x34", 0x3A6FD8, "1"},
    {"btn-bet2-34x34", 0xC8281E, "2"},
    {"btn-bet3-34x34", 0x2E8B3E, "3"},
    {"btn-bet4-34x34", 0x7A3EB8, "4"},
    {"btn-bet5-34x34", 0x2A2A2A, "5"},
}};

art::Picture Hold(Look look) {
    Canvas c(34, 34);
    ButtonFace(c, look, 0xD07A10, "HOLD", {10, true});
    return art::Still(std::move(c));
}

struct ActionKind {
    const char* stem;
    uint32_t colour;
    const char* caption;
};
constexpr std::array<ActionKind, 5> kActions = {{
    {"btn-Hit-75x36", 0x2E8B2E, "Hit"},
    {"btn-Stand-75x36", 0xB8241C, "Stand"},
    {"btn-double-75x36", 0xD07A10, "Double"},
    {"btn-Split-75x36", 0x333399, "Split"},
    {"btn-deal-75x36", 0x1E7A6E, "Deal"},
}};

// The recipes are made once, as the registry keeps pointers to them.
struct Recipes {
    std::vector<std::unique_ptr<art::ImageRecipe>> all;
    Recipes() {
        for (const ActionKind& kind : kActions)
            for (size_t l = 0; l < 4; ++l)
                all.push_back(std::make_unique<art::ImageRecipe>(Named(kind.stem, kLooks[l]), 75, 36, 1, [kind, l] {
                    return Action(kLooks[l].look, kind.colour, kind.caption);
                }));
        for (size_t l = 0; l < 3; ++l)
            all.push_back(std::make_unique<art::ImageRecipe>(Named("btn-MainMenu-76x24", kLooks[l]), 76, 24, 1,
                                                             [l] { return MainMenu(kLooks[l].look); }));
        for (const ChipKind& kind : kChips)
            for (const LookName& look : kLooks)
                all.push_back(std::make_unique<art::ImageRecipe>(Named(kind.stem, look), 34, 34, 1, [kind, look] {
                    return Chip(look.look, kind.colour, kind.label);
                }));
        for (const LookName& look : kLooks)
            all.push_back(std::make_unique<art::ImageRecipe>(Named("btn-hold-34x34", look), 34, 34, 1,
                                                             [look] { return Hold(look.look); }));
    }
};
const Recipes recipes;

}  // namespace
