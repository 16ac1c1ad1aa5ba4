// The player's submarine: steered by the held arrows, breathing from its oxygen tank and carrying
// treasure in its hold.
#pragma once

#include "Apps/Aurelsk/SeaSprite.h"

namespace aurelsk {

// Held-key mask bits.
inline constexpr int kKeyLeft = 1, kKeyRight = 2, kKeyUp = 4, kKeyDown = 8;

class PlayerSub {
public:
    static constexpr int kFullOxygen = 180;
    static constexpr int kWarningOxygen = 40;
    static constexpr int kHoldSize = 5;
    static constexpr float kStartX = 210;

    PlayerSub();

    SeaSprite& Sprite() { return sprite_; }
    const SeaSprite& Sprite() const { return sprite_; }

    void Steer(int heldMask, int now);
    bool IsSurfaced() const { return sprite_.Y() <= static_cast<float>(kSurfaceY); }

    int Oxygen() const { return oxygen_; }
    // Under water, every fourth tick: one unit less. True when the low-oxygen alarm sounds.
    bool Breathe();
    // At the surface: three units more, up to full. True when the tank is still not full.
    bool Refill();
    // The warning pictures show from 40 down, until a refill passes 40.
    bool ShowsWarning() const { return warning_; }

    int Hold() const { return hold_; }
    bool TakeTreasure();
    int UnloadHold();

private:
    SeaSprite sprite_;
    int oxygen_ = kFullOxygen;
    int breaths_ = 0;
    bool warning_ = false;
    int hold_ = 0;
    int lastSteer_ = 0;
    bool steered_ = false;
};

}  // namespace aurelsk
