// The bot's own model of a puzzle: from the colours it read off the screen, an order of clicks
// that clears the board (a search over groups with popping and falling played out on a copy), or
// an order that runs into a dead end.
#pragma once

#include <optional>
#include <vector>

#include "Apps/Common/BubbleBoard.h"

namespace brisquet2::test {

struct PlannerLimits {
    int maxNodes = 400000;
};

// One cell per group, in click order; none when the search gave up.
std::optional<std::vector<BubbleCell>> PlanClearing(const CBubbleBoard& board, const PlannerLimits& limits = {});
// Clicks that leave coloured bubbles with no partner (greedy orders tried in turn); none
// when that order happens to clear the board.
std::optional<std::vector<BubbleCell>> PlanDeadEnd(const CBubbleBoard& board);

}  // namespace brisquet2::test
