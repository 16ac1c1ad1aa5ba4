#include "Apps/Aurelsk/Difficulty.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace aurelsk {

namespace {

constexpr float kMaxSpeedBonus = 8.25f;

// Upper bounds of the draw for groups of 1 to 4; anything above makes 5.
constexpr std::array<std::array<int, 4>, 3> kGroupOdds{{
    {40, 70, 85, 95},
    {20, 35, 70, 90},
    {5, 15, 45, 80},
}};

}  // namespace

bool Difficulty::Follow(int score) {
    bool extraLife = false;
    if (score >= nextLife_) {
        extraLife = true;
        nextLife_ += 15000;
    }
    if (score >= nextSpeedUp_ && speedBonus_ <= kMaxSpeedBonus) {
        speedBonus_ += 0.1125f;
        nextSpeedUp_ += 2000;
    }
    if (score >= nextFire_) {
        fireFactor_ += 0.01f;
        nextFire_ += 1500;
    }
    if (score >= nextEnemy_) {
        ++maxEnemies_;
        nextEnemy_ += 10000;
    }
    tier_ = score > 89999 ? 3 : score > 39999 ? 2 : 1;
    return extraLife;
}

int Difficulty::FireOdds() const { return std::max(1, static_cast<int>(std::floor(150.0f / fireFactor_))); }

int Difficulty::GroupSize(int draw) const {
    const auto& odds = kGroupOdds[static_cast<size_t>(tier_ - 1)];
    for (size_t i = 0; i < odds.size(); ++i) {
        if (draw < odds[i]) return static_cast<int>(i) + 1;
    }
    return 5;
}

}  // namespace aurelsk
