#include "Apps/Pennimar/Scoring.h"

#include <algorithm>
#include <array>

namespace pennimar {

namespace {

constexpr std::array<int, 4> kBasePoints{50, 75, 100, 150};

}  // namespace

int BasePoints(int kind) { return kBasePoints[static_cast<size_t>(std::clamp(kind, 0, 3))]; }

int AnimalPoints(int kind, float pointFactor) { return static_cast<int>(pointFactor * static_cast<float>(BasePoints(kind))); }

int AllAnimalsShare(int kind, float pointFactor) {
    return static_cast<int>(pointFactor * static_cast<float>(BasePoints(kind)) * 0.625f);
}

int ExtraAreaBonus(int capturedPercent, int neededPercent, float pointFactor) {
    // Short of the share (a farm won by fencing in every animal early) earns nothing, not a penalty.
    const int extra = std::max(0, capturedPercent - neededPercent);
    const float grown = 1.0f + static_cast<float>(capturedPercent) / 100.0f;
    return static_cast<int>(3.0f * pointFactor) * static_cast<int>(grown * grown) * extra;
}

int ExtraLives::Award(long long score) {
    int lives = 0;
    // A large bonus may pass more than one mark at once.
    while (score >= next_) {
        ++lives;
        next_ += step_ + 1000;
        step_ += 1000;
    }
    return lives;
}

}  // namespace pennimar
