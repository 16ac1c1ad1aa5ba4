#include "Apps/Slorrow/ComputerAim.h"

namespace slorrow {

Throw ComputerAim::Aim(Vec2 position, Vec2 target, float wind, float missMemory, const RandomSource& rand) {
    if (throws_ == 0) {
        aim_ = {target.x, 0};
        const float windShare = side_ == Side::Left ? -200.0f * wind : 200.0f * wind;
        aimPower_ = 40.0f + windShare + static_cast<float>(rand() % 10 - 20);
    } else {
        aimPower_ -= missMemory * 0.05f;
    }
    const Vec2 hand{position.x, position.y - 10};
    const int a = rand();
    const int b = rand();
    const int c = rand();
    aimPower_ += static_cast<float>((c % 10 - 5) * 3);
    const Vec2 toward{aim_.x + static_cast<float>(a % 40 - 20), aim_.y + static_cast<float>(b % 100 - 50)};
    direction_ = UnitToward(hand, toward, direction_);
    ++throws_;
    return {hand, direction_, aimPower_};
}

}  // namespace slorrow
