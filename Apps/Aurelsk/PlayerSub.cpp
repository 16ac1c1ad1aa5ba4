#include "Apps/Aurelsk/PlayerSub.h"

#include <algorithm>

namespace aurelsk {

namespace {

constexpr float kStepPer33Ms = 5.6f;

int Axis(int mask, int minus, int plus) { return ((mask & plus) ? 1 : 0) - ((mask & minus) ? 1 : 0); }

}  // namespace

PlayerSub::PlayerSub() : sprite_(SeaKind::Player, kStartX, static_cast<float>(kSurfaceY), 0, true) {}

void PlayerSub::Steer(int heldMask, int now) {
    if (!steered_) {
        steered_ = true;
        lastSteer_ = now;
    }
    const float step = kStepPer33Ms * static_cast<float>(now - lastSteer_) / 33.0f;
    lastSteer_ = now;
    const int dx = Axis(heldMask, kKeyLeft, kKeyRight);
    const int dy = Axis(heldMask, kKeyUp, kKeyDown);
    const float x = std::clamp(sprite_.X() + static_cast<float>(dx) * step, 0.0f,
                               static_cast<float>(kSeaWidth - sprite_.Width()));
    const float y = std::clamp(sprite_.Y() + static_cast<float>(dy) * step, static_cast<float>(kSurfaceY),
                               static_cast<float>(kSeaBottom - sprite_.Height()));
    sprite_.MoveTo(x, y);
    if (dx != 0) sprite_.SetFacing(dx > 0);
}

bool PlayerSub::Breathe() {
    if (++breaths_ % 4 != 0 || oxygen_ == 0) return false;
    --oxygen_;
    if (oxygen_ <= kWarningOxygen) warning_ = true;
    return oxygen_ <= kWarningOxygen && oxygen_ % 10 == 0;
}

bool PlayerSub::Refill() {
    oxygen_ = std::min(kFullOxygen, oxygen_ + 3);
    if (oxygen_ > kWarningOxygen) warning_ = false;
    return oxygen_ < kFullOxygen;
}

bool PlayerSub::TakeTreasure() {
    if (hold_ >= kHoldSize) return false;
    ++hold_;
    return true;
}

int PlayerSub::UnloadHold() {
    const int taken = hold_;
    hold_ = 0;
    return taken;
}

}  // namespace aurelsk
