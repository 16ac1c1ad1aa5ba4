// The computer's throw: a first guess from the wind, then corrections from where its balls fell.
#pragma once

#include "Apps/Slorrow/MudBall.h"
#include "Apps/Slorrow/TerrainLayout.h"

namespace slorrow {

struct Throw {
    Vec2 hand;
    Vec2 direction;
    float power = 0;
};

class ComputerAim {
public:
    explicit ComputerAim(Side side) : side_(side) {}

    // missMemory is how far its last throw missed (positive: past the target).
    Throw Aim(Vec2 position, Vec2 target, float wind, float missMemory, const RandomSource& rand);
    int Throws() const { return throws_; }

private:
    Side side_;
    int throws_ = 0;
    float aimPower_ = 0;
    Vec2 aim_;
    Vec2 direction_{0, -1};
};

}  // namespace slorrow
