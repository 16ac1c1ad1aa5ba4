#include "Apps/Brisquet2/DifficultyTable.h"

#include <algorithm>

namespace brisquet2 {

namespace {

DifficultyTable BuildTable() {
    constexpr int kMinGroups[kDifficultyRecords] = {20, 16, 14, 12, 10, 8, 6, 16, 14, 12, 10, 9, 8, 7, 6};
    constexpr int kMirrored = 7;
    DifficultyTable table{};
    double points = 100;
    for (int i = 0; i < kDifficultyRecords; ++i) {
        points = static_cast<int>(points * 1.224 * 0.04 + 0.5) * 25;
        table[i] = {kMinGroups[i], 1, i < kMirrored, static_cast<int>(points)};
    }
    return table;
}

}  // namespace

const DifficultyTable& InitLevelTable() {
    static const DifficultyTable table = BuildTable();
    return table;
}

int RecordIndex(int number, bool challenge) {
    const int span = challenge ? kChallengePuzzles : kHighestPuzzle;
    const long long index = (static_cast<long long>(number) - 1) * kDifficultyRecords / span;
    return static_cast<int>(std::clamp<long long>(index, 0, kDifficultyRecords - 1));
}

const DifficultyRecord& RecordFor(int number, bool challenge) { return InitLevelTable()[RecordIndex(number, challenge)]; }

}  // namespace brisquet2
