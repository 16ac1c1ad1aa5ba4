// The reckoning after each capture: the share shown, whether the farm is done, and its bonuses.
#pragma once

#include <span>

#include "Apps/Pennimar/Animal.h"

namespace pennimar {

struct LevelEnd {
    bool over = false;
    bool allAsleep = false;  // the open land left is to be drawn as fenced too
    int shownPercent = 0;    // for the bar and "%d%% of %d%% needed"
    int extraPercent = 0;    // beyond the share needed
    int areaBonus = 0;       // "Extra area bonus"
    int animalsBonus = 0;    // "All Animals Fenced bonus"
    int Total() const { return areaBonus + animalsBonus; }
};

LevelEnd CheckLevelEnd(int capturedPercent, const LevelSettings& level, std::span<const Animal> animals);

}  // namespace pennimar
