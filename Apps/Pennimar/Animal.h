// An animal in the open land: it walks in a straight line, turns back from fences, and falls asleep
// once a capture leaves it outside the open land. Touching a trail being laid costs the farmer a life.
#pragma once

#include <functional>

#include "Apps/Pennimar/FenceField.h"
#include "Apps/Pennimar/LevelTable.h"

namespace pennimar {

// The two generators the game draws from: the shell's and the module's own.
struct RandomDraws {
    std::function<int()> shell;
    std::function<int()> runtime;
};

enum class AnimalStep { Asleep, Moved, Bounced, HitTrail };

struct Animal {
    int kind = 0;
    bool awake = true;
    bool facingRight = true;
    float x = 0, y = 0, vx = 0, vy = 0;
    int width = 0, height = 0;  // of its picture
    long long wakeTime = 0;     // when the next "zzz" shows, once asleep

    // Its picture index is its kind; `width` and `height` come from that picture.
    static Animal Make(const LevelSettings& level, const RandomDraws& draws, long long now, int width, int height);

    // One tick of walking.
    AnimalStep Step(const FenceField& field);
    // Whether a corner of its picture, 5 pixels in, lies outside the open land.
    bool IsFencedIn(const OpenField& open) const;
};

}  // namespace pennimar
