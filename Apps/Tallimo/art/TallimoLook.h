// Shapes Tallimo's pictures share: the seven balls at any angle of their roll, the tyre and the
// little truck.
#pragma once

#include "art/Canvas.h"

namespace tallimo_art {

inline constexpr int kBallKinds = 7;
inline constexpr int kBallFrames = 8;

// Ball `kind` in the 32x32 cell at (x, y), turned by `turn` (0 to 1, a whole turn); kinds 1 and
// 2 are small and sit at the cell's bottom.
void Ball(art::Canvas& c, int kind, int x, int y, float turn);
// The same ball in greys, as the truck's pattern shows it.
void GreyBall(art::Canvas& c, int kind, int x, int y);
void Tyre(art::Canvas& c, float cx, float cy, float r);
// The truck seen from the side at `scale` (1: 151 pixels long cab and rack), facing right.
void SmallTruck(art::Canvas& c, float x, float y, float scale);

}  // namespace tallimo_art
