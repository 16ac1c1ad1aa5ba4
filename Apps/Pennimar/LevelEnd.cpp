#include "Apps/Pennimar/LevelEnd.h"

#include <algorithm>

#include "Apps/Pennimar/Scoring.h"

namespace pennimar {

LevelEnd CheckLevelEnd(int capturedPercent, const LevelSettings& level, std::span<const Animal> animals) {
    LevelEnd end;
    end.allAsleep = !animals.empty() && std::none_of(animals.begin(), animals.end(), [](const Animal& a) { return a.awake; });
    end.shownPercent = end.allAsleep ? 100 : capturedPercent;
    end.over = end.allAsleep || end.shownPercent >= level.neededPercent;
    if (!end.over) return end;
    if (end.allAsleep)
        for (const Animal& a : animals) end.animalsBonus += AllAnimalsShare(a.kind, level.pointFactor);
    end.extraPercent = std::max(0, end.shownPercent - level.neededPercent);
    end.areaBonus = ExtraAreaBonus(end.shownPercent, level.neededPercent, level.pointFactor);
    return end;
}

}  // namespace pennimar
