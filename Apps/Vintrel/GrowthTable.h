// Sizes of the blobs and what the player must eat to grow.
#pragma once

#include <functional>

namespace vintrel {

using RandomSource = std::function<int()>;

inline constexpr int kMaxPlayerSize = 9;
inline constexpr int kMaxBaddieSize = 10;

// The picture of size index 1 to 10 is this many pixels square.
int SpritePixels(int size);

// Total of eaten size indices a player of size `index + 1` needs to grow (index 0 to 9).
int GrowthThreshold(int index);

}  // namespace vintrel
