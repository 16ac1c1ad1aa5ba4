// The thrown ball under gravity, wind and drag, and what it meets.
#pragma once

#include "Apps/Slorrow/Footing.h"
#include "Apps/Slorrow/GroundBuffer.h"

namespace slorrow {

struct Vec2 {
    float x = 0;
    float y = 0;
};

struct Box {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

inline constexpr float kGravity = 0.25f;
inline constexpr float kDrag = 0.99f;
inline constexpr float kFullPower = 80.0f;
inline constexpr int kFullPowerMs = 2000;
inline constexpr float kSafeTravel = 150.0f;
inline constexpr float kBallSize = 16.0f;

// The unit vector from `from` toward `to`; where they coincide, `previous` stands.
Vec2 UnitToward(Vec2 from, Vec2 to, Vec2 previous);
// The power of a throw held for this long.
float PowerAfter(long long heldMs);

enum class BallMeets { Nothing, Ground, Left, Right, Gone };

class MudBall {
public:
    MudBall(Vec2 hand, Vec2 direction, float power);

    void Step(float wind);
    // Ground first, then the candidates once it has travelled clear of the thrower, then the
    // bottom of the world.
    BallMeets Check(const GroundBuffer& ground, const Box& left, const Box& right) const;

    Vec2 Position() const { return position_; }
    Vec2 Velocity() const { return velocity_; }
    Vec2 Centre() const { return {position_.x + kBallSize / 2, position_.y + kBallSize / 2}; }
    // The thrower's miss: ball x less target x, negated for the right-hand thrower; 0 while rising.
    float MissFrom(float targetX, Side thrower) const;

private:
    Vec2 position_;
    Vec2 velocity_;
    float travelled_ = 0;
};

}  // namespace slorrow
