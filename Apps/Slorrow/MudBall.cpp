#include "Apps/Slorrow/MudBall.h"

#include <algorithm>
#include <cmath>

namespace slorrow {
namespace {

constexpr float kLaunchScale = 0.25f * 1.1f;
constexpr float kGoneY = 500.0f;

bool Overlaps(const Box& a, const Box& b) {
    return a.x <= b.x + b.width && b.x <= a.x + a.width && a.y <= b.y + b.height && b.y <= a.y + a.height;
}

}  // namespace

Vec2 UnitToward(Vec2 from, Vec2 to, Vec2 previous) {
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0.0f) || !std::isfinite(length)) return previous;
    return {dx / length, dy / length};
}

float PowerAfter(long long heldMs) {
    const float share = std::clamp(static_cast<float>(heldMs) * 0.0005f, 0.0f, 1.0f);
    return kFullPower * share;
}

MudBall::MudBall(Vec2 hand, Vec2 direction, float power)
    : position_(hand), velocity_{direction.x * power * kLaunchScale, direction.y * power * kLaunchScale} {}

void MudBall::Step(float wind) {
    velocity_.y += kGravity;
    velocity_.x += wind;
    velocity_.x *= kDrag;
    velocity_.y *= kDrag;
    position_.x += velocity_.x;
    position_.y += velocity_.y;
    travelled_ += std::abs(velocity_.x) + std::abs(velocity_.y);
}

BallMeets MudBall::Check(const GroundBuffer& ground, const Box& left, const Box& right) const {
    const float footX = position_.x + kBallSize / 2;
    const float footY = position_.y + kBallSize;
    const bool inField = position_.x >= 0 && position_.y >= 0 && footX < kFieldWidth && footY < kFieldHeight;
    if (inField && ground.Solid(static_cast<int>(footX), static_cast<int>(footY))) return BallMeets::Ground;
    if (travelled_ > kSafeTravel) {
        const Box ball{position_.x, position_.y, kBallSize, kBallSize};
        if (Overlaps(ball, left)) return BallMeets::Left;
        if (Overlaps(ball, right)) return BallMeets::Right;
    }
    return position_.y > kGoneY ? BallMeets::Gone : BallMeets::Nothing;
}

float MudBall::MissFrom(float targetX, Side thrower) const {
    if (velocity_.y < 0) return 0;
    const float miss = position_.x - targetX;
    return thrower == Side::Right ? -miss : miss;
}

}  // namespace slorrow
