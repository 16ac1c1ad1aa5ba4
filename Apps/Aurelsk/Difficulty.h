// How the sea gets harder as the score grows: faster waves, more fire, more enemies at once,
// bigger groups, and the extra lives.
#pragma once

namespace aurelsk {

class Difficulty {
public:
    // Follows the score one step; true when it earns an extra life.
    bool Follow(int score);

    float SpeedBonus() const { return speedBonus_; }
    float FireFactor() const { return fireFactor_; }
    int MaxEnemies() const { return maxEnemies_; }
    int Tier() const { return tier_; }
    // An enemy fires when a draw modulo this is 0; never 0 however high the fire factor.
    int FireOdds() const;
    // The group size for a draw of 0 to 99 at the current tier.
    int GroupSize(int draw) const;

private:
    float speedBonus_ = 0;
    float fireFactor_ = 0.4f;
    int maxEnemies_ = 5;
    int tier_ = 1;
    int nextLife_ = 15000;
    int nextSpeedUp_ = 2000;
    int nextFire_ = 1500;
    int nextEnemy_ = 10000;
};

}  // namespace aurelsk
