// A swamp from its number: the same number always gives the same swamp, drawn from the shell's
// generator in a fixed order.
#pragma once

#include <vector>

#include "Apps/Grumbolt/SwampBoard.h"
#include "Apps/Grumbolt/SwampDice.h"

namespace grumbolt {

inline constexpr int kChallengeSwamps = 150;
inline constexpr int kFreeSwamps = 50000;
inline constexpr int kBandWidth = 16666;

struct GeneratedSwamp {
    SwampBoard board;
    int targetFrogs = 0;
    int frogCount = 0;
    int pointFactor = 0;
    int swampValue = 0;
    std::vector<Jump> solution;  // forward jumps down to one frog
};

int PointFactor(int swampNumber);

// Lays 2 x targetFrogs + 5 connected lilypads, centred on the board.
void LayLilypads(SwampBoard& board, int targetFrogs, int seed, SwampDice& dice);

GeneratedSwamp GenerateSwamp(int swampNumber, bool challenge, SwampDice& dice);

}  // namespace grumbolt
