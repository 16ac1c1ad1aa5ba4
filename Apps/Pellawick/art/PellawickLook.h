// Shapes Pellawick's pictures share: hard-edged sprites whose colours stay exact, lettering in
// scoreboard lights, the speech bubble and the three snacks.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "art/Canvas.h"

namespace pellawick_art {

// The people of the stadium, seller and customers alike.
inline constexpr int kFigureWidth = 42, kFigureHeight = 86;

// Wick giving a thumbs up, as the title screen shows him.
art::Canvas ThumbsUpWick();

// Draws `picture` at (x, y) with every pixel made a `scale` x `scale` block.
void DrawScaled(art::Canvas& c, const art::Canvas& picture, int x, int y, int scale);

// Moves every visible pixel to one of the given colours, so smooth shapes become hard-edged pixel
// art of exactly those colours. `swapped` are pairs (a tone and its shade) that the game replaces
// later: a pixel takes one of them only when it clearly is that colour or lies between the pair,
// never as the nearest match for a blend of other colours (a stray pixel would change colour
// with them).
using TonePair = std::array<uint32_t, 2>;
void SnapTo(art::Canvas& c, std::span<const uint32_t> plain, std::span<const TonePair> swapped = {});

// Text drawn as round scoreboard bulbs of `colour` on a dark screen, centred on `cx`.
void LightText(art::Canvas& c, float cx, float top, std::string_view text, int height, uint32_t colour, float shift = 0);

// The snacks, drawn in a box of `size` pixels at (x, y): 0 popcorn, 1 cola, 2 hot dog.
void Snack(art::Canvas& c, int food, float x, float y, float size);

// Bold lettering with a two-pixel edge of another colour, for titles and labels. Its width.
int LabelText(art::Canvas& c, int x, int y, std::string_view text, int height, uint32_t fill, uint32_t edge);

}  // namespace pellawick_art
