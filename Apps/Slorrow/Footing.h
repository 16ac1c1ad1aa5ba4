// Where a candidate stands on the field, and whether the ground still holds it.
#pragma once

#include <optional>

#include "Apps/Slorrow/GroundBuffer.h"

namespace slorrow {

enum class Side { Left = 0, Right = 1 };

inline constexpr int kFallOffY = 365;
inline constexpr int kFallStep = 3;

// The x a candidate of this width is dropped at, searching from its side toward the middle for a
// strip with a fully solid row; with none in the field it stays at its side's start.
int DropX(const GroundBuffer& ground, Side side, int width);

// The y that rests the sprite on ground under its feet (a strip of footWidth centred under it),
// or nothing when it has no ground there.
std::optional<int> RestingY(const GroundBuffer& ground, int x, int y, int width, int height, int footWidth);

}  // namespace slorrow
