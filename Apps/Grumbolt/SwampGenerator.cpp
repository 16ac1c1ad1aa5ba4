#include "Apps/Grumbolt/SwampGenerator.h"

#include <algorithm>

#include "Apps/Grumbolt/FrogPlacement.h"

namespace grumbolt {
namespace {

constexpr int kTries = 20;
constexpr int kSeedStride = 60000;

int TargetFrogs(int swampNumber, bool challenge, SwampDice& dice) {
    if (challenge) return swampNumber * 30 / kChallengeSwamps + 6;
    switch (swampNumber / kBandWidth) {
    case 0: return dice.next() % 5 + 6;
    case 1: return dice.next() % 11 + 14;
    default: return dice.next() % 11 + 26;
    }
}

int Build(GeneratedSwamp& swamp, int seed, SwampDice& dice) {
    LayLilypads(swamp.board, swamp.targetFrogs, seed, dice);
    FrogPlacement placement(swamp.board, swamp.targetFrogs);
    return placement.Place(dice, &swamp.solution);
}

}  // namespace

int PointFactor(int swampNumber) { return swampNumber / 20 * 3 + 30; }

void LayLilypads(SwampBoard& board, int targetFrogs, int seed, SwampDice& dice) {
    dice.seed(seed);
    board.Clear();
    bool marked[kSwampSize][kSwampSize] = {};
    int x = (dice.next() & 3) + 3;
    int y = (dice.next() & 3) + 3;
    marked[x][y] = true;
    int count = 1;
    int minX = x, maxX = x, minY = y, maxY = y;
    while (count < 2 * targetFrogs + 5) {
        const int o = dice.next();
        const int u = dice.next();
        const int w = dice.next();
        if (w % 2 == 0) {
            x = std::clamp(x + o % 3 - 1, 0, kSwampSize - 1);
        } else {
            y = std::clamp(y + u % 3 - 1, 0, kSwampSize - 1);
        }
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
        if (!marked[x][y]) {
            marked[x][y] = true;
            ++count;
        }
    }
    const int firstColumn = (minX - maxX + kSwampSize) / 2;
    const int rowShift = (minY - maxY + kSwampSize) / 2 - minY;
    for (int c = minX; c <= maxX; ++c) {
        for (int r = minY; r <= maxY; ++r) {
            board.Set({firstColumn + c - minX, r + rowShift}, marked[c][r] ? kLilypad : kWater);
        }
    }
}

GeneratedSwamp GenerateSwamp(int swampNumber, bool challenge, SwampDice& dice) {
    const int seed = swampNumber + (challenge ? kFreeSwamps : 0);
    dice.seed(seed);
    GeneratedSwamp swamp;
    swamp.targetFrogs = TargetFrogs(swampNumber, challenge, dice);
    int best = 0;
    int bestSeed = 0;
    int last = 0;
    for (int i = 0, s = seed; i < kTries && last < swamp.targetFrogs; ++i, s += kSeedStride) {
        last = Build(swamp, s, dice);
        if (last > best) {
            best = last;
            bestSeed = s;
        }
    }
    if (last < best) Build(swamp, bestSeed, dice);
    swamp.frogCount = swamp.board.CountFrogs();
    swamp.pointFactor = PointFactor(swampNumber);
    swamp.swampValue = swamp.pointFactor * swamp.frogCount;
    return swamp;
}

}  // namespace grumbolt
