// Shapes Aurelsk's pictures share: the sprites drawn facing right, mirrored for the left, and the
// fireballs, bubbles, coins and lettering around them.
#pragma once

#include <cstdint>
#include <string_view>

#include "art/ArtRegistry.h"
#include "art/Canvas.h"

namespace aurelsk_art {

// The same picture facing the other way.
art::Canvas Mirrored(const art::Canvas& c);
art::Picture MirroredPicture(const art::Picture& p);

// The player's submarine facing right, in a box of 48 x 24 at (x, y); `turn` spins its propeller.
void DrawDiver(art::Canvas& c, float x, float y, int turn);
// A pirate submarine facing right filling the canvas: big (64 x 28) or small (40 x 20).
void DrawPirate(art::Canvas& c, bool big, bool damaged, int turn);
// The shark facing right in 64 x 24; `beat` swings its tail.
void DrawShark(art::Canvas& c, int beat);
// A fireball of `frames` frames that grows, bursts into smoke and leaves bubbles.
art::Picture Explosion(int size, int frames);
void Bubble(art::Canvas& c, float x, float y, float r);
void Coin(art::Canvas& c, float cx, float cy, float r);
// Bold lettering with a two-pixel edge, for titles. Its width.
int TitleText(art::Canvas& c, int x, int y, std::string_view text, int height, uint32_t fill, uint32_t edge);

}  // namespace aurelsk_art
