// An enemy that runs along the fence ring, forward along the links or backward. It holds the id of
// the fence it runs on, so a capture that takes that fence away is noticed, never followed.
#pragma once

#include <optional>

#include "Apps/Pennimar/FenceList.h"

namespace pennimar {

class Enemy {
public:
    // Half the ring away from the farmer's segment, at that segment's middle (down to a multiple of 4).
    static std::optional<Enemy> Place(const FenceList& ring, size_t playerSegment, bool forward);
    // Distance per 50 ms tick for a level's enemy speed: at 1.00 it keeps pace with the farmer.
    static float StepPerTick(float enemySpeed) { return enemySpeed * 4.0f; }

    // Runs `pixels` along the ring, passing from segment to segment. False when its segment is
    // no longer part of the ring (it is to be removed).
    bool Advance(const FenceList& ring, float pixels);
    bool IsOnRing(const FenceList& ring) const { return ring.Find(segmentId_) >= 0; }
    // Whether its 12 x 12 box holds the farmer.
    bool Catches(FieldPoint player) const;
    float X() const { return x_; }
    float Y() const { return y_; }
    bool Forward() const { return forward_; }

private:
    uint32_t segmentId_ = 0;
    size_t index_ = 0;
    float x_ = 0, y_ = 0;
    bool forward_ = true;
};

}  // namespace pennimar
