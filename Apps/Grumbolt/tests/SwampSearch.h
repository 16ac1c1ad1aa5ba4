// The bot's own way through a swamp: a search over the jumps from what it read off the screen.
#pragma once

#include <optional>
#include <vector>

#include "Apps/Grumbolt/SwampBoard.h"

namespace grumbolt::test {

// Jumps from `board` down to one frog, or nothing when there is no way.
std::optional<std::vector<Jump>> SolveSwamp(const SwampBoard& board);
// Jumps from `board` that end with two or more frogs and no jump left.
std::optional<std::vector<Jump>> FindDeadEnd(const SwampBoard& board);

}  // namespace grumbolt::test
