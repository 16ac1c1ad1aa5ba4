#include "Apps/Aurelsk/SeaSprite.h"

#include <cmath>
#include <numbers>

namespace aurelsk {

namespace {

constexpr float kPirateTorpedoSpeed = 7.8f;
constexpr int kFireDrop = 10;
constexpr float kBigPirateHitInset = 7;
constexpr float kSwimLift = 2.75f;

SpriteSize SizeOf(SeaKind kind) {
    switch (kind) {
    case SeaKind::BigPirate: return kPirateSize;
    case SeaKind::SmallPirate: return kMiniPirateSize;
    case SeaKind::Shark: return kSharkSize;
    case SeaKind::Torpedo: return kTorpedoSize;
    case SeaKind::Player: return kPlayerSize;
    }
    return kTorpedoSize;
}

float SpeedFactor(SeaKind kind) {
    switch (kind) {
    case SeaKind::BigPirate: return 0.6f;
    case SeaKind::SmallPirate: return 0.75f;
    default: return 1.0f;
    }
}

int HitsOf(SeaKind kind) {
    switch (kind) {
    case SeaKind::BigPirate: return 2;
    case SeaKind::SmallPirate:
    case SeaKind::Shark: return 1;
    default: return 0;
    }
}

}  // namespace

SeaSprite::SeaSprite(SeaKind kind, float x, float y, float xSpeed, bool facingRight, bool enemy)
    : kind_(kind),
      size_(SizeOf(kind)),
      x_(x),
      y_(y),
      xSpeed_(xSpeed * SpeedFactor(kind)),
      facingRight_(facingRight),
      enemy_(enemy),
      hits_(HitsOf(kind)) {
    // Enemies entering from the left start just outside the edge.
    if (facingRight && (kind == SeaKind::Shark || IsPirate())) x_ -= static_cast<float>(size_.width);
}

int SeaSprite::Points() const {
    switch (kind_) {
    case SeaKind::BigPirate: return 75;
    case SeaKind::SmallPirate: return 50;
    case SeaKind::Shark: return 25;
    default: return 0;
    }
}

void SeaSprite::MoveBy(float dx, float dy) {
    x_ += dx;
    y_ += dy;
}

void SeaSprite::MoveTo(float x, float y) {
    x_ = x;
    y_ = y;
}

void SeaSprite::Move(int now) {
    const bool swims = kind_ == SeaKind::Shark;
    if (exploding_ && !swims) return;
    if (!moved_) {
        moved_ = true;
        lastMove_ = now;
    }
    const int elapsed = now - lastMove_;
    lastMove_ = now;
    x_ += static_cast<float>(elapsed) * xSpeed_ / 33.0f;
    if (swims) {
        swimPhase_ += (10 * elapsed / 33) % 360;
        y_ += std::sin(static_cast<float>(swimPhase_) * std::numbers::pi_v<float> / 180.0f) * kSwimLift;
    }
}

Box SeaSprite::Bounds() const {
    return {x_, x_ + static_cast<float>(size_.width), y_, y_ + static_cast<float>(size_.height)};
}

Box SeaSprite::HitBox() const {
    Box box = Bounds();
    if (kind_ == SeaKind::BigPirate) {
        box.left += kBigPirateHitInset;
        box.right -= kBigPirateHitInset;
    }
    return box;
}

bool SeaSprite::Touches(const Box& other) const {
    if (exploding_) return false;
    const Box mine = Bounds();
    return mine.left <= other.right && mine.right >= other.left && mine.top <= other.bottom && mine.bottom >= other.top;
}

bool SeaSprite::IsOutside(float left, float right) const {
    return facingRight_ ? x_ > right : x_ + static_cast<float>(size_.width) < left;
}

void SeaSprite::Explode(int now) {
    exploding_ = true;
    explosionStart_ = now;
}

std::optional<SeaSprite> SeaSprite::Fire() const {
    if (!IsPirate()) return std::nullopt;
    const float side = facingRight_ ? 1.0f : -1.0f;
    // A pirate at least as fast as its torpedo fires it faster than itself, ahead of it.
    const bool outruns = std::abs(std::trunc(xSpeed_)) >= std::trunc(kPirateTorpedoSpeed);
    const float speed = outruns ? std::abs(xSpeed_) + 2.0f : kPirateTorpedoSpeed;
    return SeaSprite(SeaKind::Torpedo, x_, y_ + kFireDrop, side * speed, facingRight_, true);
}

}  // namespace aurelsk
