// Shapes Torvimble's pictures share: the brass-framed panels and their lettering, the buttons in
// their looks, glyphs fitted into small cells, and the felt of the tables.
#pragma once

#include <cstdint>
#include <string_view>

#include "art/Canvas.h"
#include "art/Dice.h"
#include "art/Paint.h"

namespace torvimble_art {

using art::Dice;

// Ink of `text` centred in the cell (x, y, w, h), turned half round when `turned`.
void FitGlyph(art::Canvas& c, int x, int y, int w, int h, std::string_view text, const art::TextStyle& style,
              uint32_t ink, bool turned);
enum Suit { Clubs, Spades, Hearts, Diamonds };
// The suit's shape filling the box (x, y, w, h).
void SuitShape(art::Canvas& c, int suit, float x, float y, float w, float h, const art::Paint& paint);

// Text centred on cx with a one-pixel shadow below right.
void ShadowText(art::Canvas& c, int cx, int y, std::string_view text, const art::TextStyle& style, uint32_t ink,
                uint32_t shadow);
// Felt with a soft light in the middle and a faint weave.
void Felt(art::Canvas& c, float x, float y, float w, float h, float radius, uint32_t seed);
// A rounded brass frame around a filled inside.
void BrassPanel(art::Canvas& c, float x, float y, float w, float h, float radius, uint32_t inside);
// A title lettered in cream with a brown ring and a darker shadow.
void Lettering(art::Canvas& c, int cx, int y, std::string_view text, const art::TextStyle& style);

enum class Look { Normal, Pressed, Hover, Disabled, PressedDisabled };
// A rounded button face in `colour` for a look: lighter under the mouse, darker and one pixel
// lower when pressed, greyed when disabled.
void ButtonFace(art::Canvas& c, Look look, uint32_t colour, std::string_view caption, const art::TextStyle& style);

}  // namespace torvimble_art
