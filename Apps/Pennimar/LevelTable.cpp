#include "Apps/Pennimar/LevelTable.h"

#include <algorithm>
#include <array>

namespace pennimar {

namespace {

constexpr std::array<LevelSettings, LevelTable::kLastRow + 1> kRows{{
    {4, 4, 0.40f, 1.0f, 55, 10000, 0.50f},
    {4, 5, 0.45f, 1.1f, 60, 10000, 0.57f},
    {4, 6, 0.51f, 1.3f, 65, 10000, 0.64f},
    {4, 7, 0.56f, 1.4f, 70, 10000, 0.71f},
    {4, 8, 0.61f, 1.5f, 75, 10000, 0.79f},
    {4, 9, 0.67f, 1.7f, 75, 10000, 0.86f},
    {4, 10, 0.72f, 1.8f, 80, 30, 0.93f},
    {4, 12, 0.78f, 1.9f, 80, 25, 1.00f},
    {4, 14, 0.83f, 2.1f, 80, 20, 1.07f},
    {4, 17, 0.88f, 2.2f, 85, 15, 1.14f},
    {4, 20, 0.94f, 2.3f, 85, 12, 1.21f},
    {4, 23, 0.99f, 2.5f, 85, 9, 1.29f},
    {4, 27, 1.04f, 2.6f, 90, 6, 1.36f},
    {4, 31, 1.10f, 2.7f, 90, 3, 1.43f},
    {4, 35, 1.15f, 2.9f, 90, 0, 1.50f},
}};
constexpr LevelSettings kIncrement{0, 2, 0.03f, 0.2f, 0, 0, 0};

constexpr std::array<std::string_view, 5> kNames{"Very Easy", "Easy", "Medium", "Hard", "Very Hard"};

}  // namespace

LevelSettings LevelTable::Level(int level) {
    level = std::max(level, 0);
    if (level <= kLastRow) return kRows[static_cast<size_t>(level)];
    const LevelSettings& last = kRows.back();
    const int past = level - kLastRow;
    const auto steps = static_cast<float>(past);
    return {last.kinds,
            last.animals + past * kIncrement.animals,
            last.animalSpeed + steps * kIncrement.animalSpeed,
            last.pointFactor + steps * kIncrement.pointFactor,
            last.neededPercent + past * kIncrement.neededPercent,
            last.enemyDelaySeconds + past * kIncrement.enemyDelaySeconds,
            last.enemySpeed + steps * kIncrement.enemySpeed};
}

std::string_view LevelTable::Name(int level) { return kNames[static_cast<size_t>(std::clamp(level / 3, 0, 4))]; }

}  // namespace pennimar
