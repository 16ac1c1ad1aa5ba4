// Shapes Pennimar's pictures share: outlined cartoon parts, the four animals, the farmer, the
// lettering of the name and the field's tiles.
#pragma once

#include <cstdint>
#include <string_view>

#include "art/Canvas.h"

namespace pennimar_art {

// A shape filled with `colour` inside a ring of `edge`.
void Part(art::Canvas& c, const art::Path& path, uint32_t colour, uint32_t edge);
// The picture turned to face the other way.
art::Canvas Mirror(const art::Canvas& c);
// Animal `kind` (cow, pig, goat, horse) facing right in the whole canvas: walking at `phase`
// (0 to 1 over a stride), or lying asleep.
void DrawAnimal(art::Canvas& c, int kind, float phase, bool resting);
// The farmer seen from the front, `size` pixels tall, with its top-left corner at (x, y).
void DrawFarmer(art::Canvas& c, float x, float y, float size);
// The game's name in barn red with a cream and a brown ring.
void NameLettering(art::Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style);

// The field's 32x32 tiles, seamless: open earth, and the grass of land fenced in.
art::Canvas EarthTile();
art::Canvas GrassTile();
// Covers [left, right) x [top, bottom) with the tile laid from the canvas's top-left corner.
void Tile(art::Canvas& c, const art::Canvas& tile, int left, int top, int right, int bottom);

}  // namespace pennimar_art
