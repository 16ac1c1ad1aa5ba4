// Shapes Glimtide's pictures share: painted firework bursts, stars, the lettering of the name
// and lit windows.
#pragma once

#include <cstdint>
#include <string_view>

#include "art/Canvas.h"
#include "art/Dice.h"

namespace glimtide_art {

using art::Dice;

// A burst of `rays` streaks of `colour` around (cx, cy), with bright heads and a white core.
void Burst(art::Canvas& c, float cx, float cy, float radius, int rays, uint32_t colour, uint32_t seed);
// A four-pointed twinkle.
void Twinkle(art::Canvas& c, float cx, float cy, float size, uint32_t colour);
// Tiny stars sprinkled in the box, dimmer the lower they are.
void Stars(art::Canvas& c, int left, int top, int right, int bottom, int count, uint32_t seed);
// The game's name in gold letters with a dark rose ring and a wider night ring, lit from above.
void NameLettering(art::Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style);
// Window lights in rows over a building face, some dark.
void Windows(art::Canvas& c, float left, float top, float right, float bottom, float cell, uint32_t seed);

}  // namespace glimtide_art
