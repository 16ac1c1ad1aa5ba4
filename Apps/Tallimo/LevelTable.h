// The 21 levels: three trucks a day over seven days, the last level repeating for good.
#pragma once

#include <functional>

namespace tallimo {

// Draws from the shell's generator: 0 to 32767.
using RandomSource = std::function<int()>;

struct TruckLevel {
    int truckSize = 0;      // 2 to 4: 3 x size columns of 4 shelves
    int kinds = 0;          // pattern cells and balls are of kinds 0 to kinds - 1
    int spacing = 0;        // px the newest ball moves before the next one enters
    int beltMs = 0;         // to cross the belt
    int fallMs = 0;         // to fall the full height
    int ballsNeeded = 0;    // matches that pass the truck
    int perBall = 0;        // money per match until the needed count is reached
    int perExtraBall = 0;   // money per match beyond it
    int perfectBonus = 0;
    int startMoney = 0;     // a new game started at this level
};

inline constexpr int kFirstLevel = 1;
inline constexpr int kLastLevel = 21;
inline constexpr int kLevelChoices = 7;
inline constexpr int kTrucksPerDay = 3;

// Levels outside 1 to 21 read as the nearest of them.
const TruckLevel& LevelRecord(int level);

int DayOf(int level);
// 1 to 3 within its day.
int TruckOf(int level);

// The title's choice 0 to 6 starts a new game at level 1, 4, ... 19.
int StartingLevel(int choice);

// The level after a truck: a failed truck and the last level are played again.
int NextLevel(int level, bool passed);

}  // namespace tallimo
