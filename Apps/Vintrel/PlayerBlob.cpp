#include "Apps/Vintrel/PlayerBlob.h"

#include <algorithm>

#include "Apps/Vintrel/GrowthTable.h"

namespace vintrel {

namespace {

constexpr float kStraightPush = 0.1f;
constexpr float kStraightLimit = 1.0f;
constexpr float kDiagonalPush = 0.0707f;
constexpr float kDiagonalLimit = 0.707f;
constexpr float kPixelsPerMsPerSpeed = 0.1f;

// A push toward +1 or -1; pushing against the current speed brakes twice as hard.
float Push(float v, float sign, float push, float limit) {
    const bool along = v * sign >= 0;
    v += sign * (along ? push : 2 * push);
    return std::clamp(v, -limit, limit);
}

}  // namespace

CPlayerBlob::CPlayerBlob() { Reset(0); }

int CPlayerBlob::Width() const { return SpritePixels(size_); }

void CPlayerBlob::Reset(int64_t now) {
    size_ = 1;
    eaten_ = 0;
    threshold_ = GrowthThreshold(0);
    growths_ = 0;
    facingLeft_ = true;
    Recentre(now);
}

void CPlayerBlob::Recentre(int64_t now) {
    const int half = Width() / 2;
    x_ = static_cast<float>(248 - half);
    y_ = static_cast<float>(208 - half);
    vx_ = 0;
    vy_ = 0;
    lastMove_ = now;
}

void CPlayerBlob::Accelerate(Arrow arrow, bool otherAxisHeld) {
    const float push = otherAxisHeld ? kDiagonalPush : kStraightPush;
    const float limit = otherAxisHeld ? kDiagonalLimit : kStraightLimit;
    switch (arrow) {
        case Arrow::Right:
            facingLeft_ = false;
            vx_ = Push(vx_, 1, push, limit);
            break;
        case Arrow::Left:
            facingLeft_ = true;
            vx_ = Push(vx_, -1, push, limit);
            break;
        case Arrow::Down:
            vy_ = Push(vy_, 1, push, limit);
            break;
        case Arrow::Up:
            vy_ = Push(vy_, -1, push, limit);
            break;
    }
}

void CPlayerBlob::Move(int64_t now) {
    const float dt = static_cast<float>(now - lastMove_);
    lastMove_ = now;
    if (MoveWithinPond(x_, y_, Width(), Width(), dt * vx_ * kPixelsPerMsPerSpeed, dt * vy_ * kPixelsPerMsPerSpeed)) {
        vx_ = 0;
        vy_ = 0;
    }
}

bool CPlayerBlob::Eat(int baddieSize) {
    eaten_ += baddieSize;
    return eaten_ >= threshold_;
}

bool CPlayerBlob::Grow() {
    ++growths_;
    if (size_ < kMaxPlayerSize) {
        threshold_ = GrowthThreshold(size_);
        ++size_;
        return true;
    }
    threshold_ = threshold_ * 3 / 2;
    return false;
}

BlobBox CPlayerBlob::GetRect() const { return CentredBox(x_, y_, Width(), Width(), 0); }

}  // namespace vintrel
