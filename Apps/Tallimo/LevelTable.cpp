#include "Apps/Tallimo/LevelTable.h"

#include <algorithm>
#include <array>

namespace tallimo {
namespace {

constexpr std::array<TruckLevel, kLastLevel> kLevels{{
    {2, 2, 100, 4200, 4200, 18, 10, 60, 100, 0},
    {2, 3, 100, 4100, 4000, 18, 15, 90, 150, 0},
    {2, 4, 100, 4000, 3800, 20, 25, 100, 200, 0},
    {3, 3, 90, 4000, 3500, 30, 15, 90, 150, 560},
    {3, 4, 85, 4000, 3500, 30, 15, 90, 150, 0},
    {4, 4, 80, 3900, 3200, 42, 15, 90, 100, 0},
    {3, 5, 75, 3900, 3200, 30, 30, 180, 200, 1940},
    {3, 5, 70, 3800, 2900, 30, 30, 180, 200, 0},
    {4, 5, 65, 3800, 2900, 42, 30, 180, 200, 0},
    {3, 6, 60, 3700, 2800, 30, 40, 240, 300, 3470},
    {3, 7, 60, 3650, 2800, 30, 45, 270, 300, 0},
    {4, 6, 55, 3550, 4000, 42, 30, 180, 200, 0},
    {4, 7, 55, 3600, 4200, 42, 50, 300, 300, 5510},
    {4, 7, 50, 3400, 4200, 42, 50, 300, 300, 0},
    {4, 7, 50, 3400, 4000, 44, 50, 200, 400, 0},
    {4, 7, 45, 3300, 4500, 42, 40, 240, 500, 8070},
    {4, 7, 45, 3250, 4500, 44, 40, 160, 600, 0},
    {4, 7, 40, 3200, 4500, 42, 40, 240, 700, 0},
    {4, 7, 40, 3150, 4500, 40, 40, 320, 800, 11910},
    {4, 7, 35, 3100, 4500, 38, 40, 400, 900, 0},
    {4, 7, 30, 3000, 4500, 36, 50, 720, 1000, 0},
}};

int Clamped(int level) { return std::clamp(level, kFirstLevel, kLastLevel); }

}  // namespace

const TruckLevel& LevelRecord(int level) { return kLevels[static_cast<size_t>(Clamped(level) - kFirstLevel)]; }

int DayOf(int level) { return (Clamped(level) - 1) / kTrucksPerDay + 1; }

int TruckOf(int level) { return (Clamped(level) - 1) % kTrucksPerDay + 1; }

int StartingLevel(int choice) { return kTrucksPerDay * std::clamp(choice, 0, kLevelChoices - 1) + 1; }

int NextLevel(int level, bool passed) {
    const int current = Clamped(level);
    return passed ? std::min(current + 1, kLastLevel) : current;
}

}  // namespace tallimo
