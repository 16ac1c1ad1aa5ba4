// The fifteen difficulty records: how long the generator's groups are, whether the board is
// mirrored, and what a solved challenge puzzle is worth.
#pragma once

#include <array>

namespace brisquet2 {

struct DifficultyRecord {
    int minGroup = 2;
    int groupRange = 1;
    bool mirror = false;
    int points = 0;
};

inline constexpr int kDifficultyRecords = 15;
inline constexpr int kChallengePuzzles = 150;
inline constexpr int kHighestPuzzle = 50000;

using DifficultyTable = std::array<DifficultyRecord, kDifficultyRecords>;

// Built once: the points grow by 1.224 from 100, rounded to the nearest 25.
const DifficultyTable& InitLevelTable();

// The record of puzzle `number`, spread over 1 to 150 in the challenge and over 1 to 50000
// otherwise; numbers outside those ranges take the nearest end record.
int RecordIndex(int number, bool challenge);
const DifficultyRecord& RecordFor(int number, bool challenge);

}  // namespace brisquet2
