#include "Apps/Vintrel/Baddie.h"

#include <cmath>
#include <numbers>

namespace vintrel {

namespace {

constexpr int kSplashMs = 600;
constexpr float kPixelsPerMsPerSpeed = 0.09f;
constexpr float kMinDistanceFromPlayer = 80.0f;

float RandomSpeed(const RandomSource& rand) {
    const float v = static_cast<float>(rand() % 50) * 0.01f;
    return rand() % 2 == 0 ? -v : v;
}

}  // namespace

CBaddie CBaddie::InPond(int size, const RandomSource& rand, float avoidX, float avoidY, int64_t now) {
    CBaddie b(size);
    b.NewDirection(rand);
    const int spread = 190 - b.Width();
    do {
        const float r = static_cast<float>(rand() % spread);
        const float angle = static_cast<float>(rand() % 1000) * 2.0f * std::numbers::pi_v<float> / 1000.0f;
        b.x_ = 249.0f + r * std::sin(angle);
        b.y_ = 207.0f + r * std::cos(angle);
    } while (std::hypot(b.x_ - avoidX, b.y_ - avoidY) <= kMinDistanceFromPlayer);
    b.spawnTime_ = now;
    b.spawnDelay_ = rand() % 4000;
    return b;
}

CBaddie CBaddie::OnStaffScreen(const RandomSource& rand) {
    CBaddie b(rand() % kMaxBaddieSize + 1);
    b.NewDirection(rand);
    b.x_ = static_cast<float>(rand() % 300 + 100);
    b.y_ = static_cast<float>(rand() % 200 + 100);
    b.splashShown_ = true;
    b.out_ = true;
    return b;
}

void CBaddie::NewDirection(const RandomSource& rand) {
    vx_ = RandomSpeed(rand);
    vy_ = RandomSpeed(rand);
}

BaddieNews CBaddie::Step(int64_t now, const RandomSource& rand, bool staffMode) {
    if (!out_) {
        const int64_t waited = now - spawnTime_;
        if (!splashShown_ && waited > spawnDelay_) {
            splashShown_ = true;
            return BaddieNews::SplashShown;
        }
        if (waited <= spawnDelay_ + kSplashMs) {
            return BaddieNews::Nothing;
        }
        out_ = true;
        return BaddieNews::CameOut;
    }
    if (rand() % 100 == 0) {
        NewDirection(rand);
    } else {
        Drift(now, staffMode);
    }
    return BaddieNews::Nothing;
}

void CBaddie::Drift(int64_t now, bool staffMode) {
    if (!moved_) {
        moved_ = true;
        lastMove_ = now;
    }
    if (staffMode && ((vx_ > 0 && x_ > 175 && x_ < 250) || (vx_ < 0 && x_ > 250 && x_ < 295))) {
        vx_ = -vx_;
    }
    const float dt = static_cast<float>(now - lastMove_);
    lastMove_ = now;
    if (MoveWithinPond(x_, y_, Width(), Width(), dt * vx_ * kPixelsPerMsPerSpeed, dt * vy_ * kPixelsPerMsPerSpeed)) {
        vx_ = -vx_;
        vy_ = -vy_;
    }
}

BlobBox CBaddie::GetRect() const { return CentredBox(x_, y_, Width(), Width(), 3); }

}  // namespace vintrel
