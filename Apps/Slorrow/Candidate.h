// One of the two candidates as the duel sees it: who, where, in which pose, and its footing.
#pragma once

#include <cstdint>

#include "Apps/Slorrow/Footing.h"
#include "Apps/Slorrow/MudBall.h"

namespace slorrow {

enum class Character { Brambo = 0, Quillet = 1 };
enum class Pose { Stance = 0, Fall = 1, Hit = 2, Ready = 3, Aiming = 4, Win = 5, Charging = 6 };

inline constexpr int kHitPoseMs = 1000;

struct SpriteSize {
    int width = 0;
    int height = 0;
};
// The size of the animation the pose shows.
SpriteSize PoseSprite(Character character, Pose pose);

class Candidate {
public:
    Candidate(Character character, Side side, bool person);

    Character Who() const { return character_; }
    Side Where() const { return side_; }
    bool IsPerson() const { return person_; }
    Pose CurrentPose() const { return pose_; }
    int64_t PoseTime() const { return poseTime_; }
    bool Shown() const { return shown_; }
    Vec2 Position() const { return position_; }
    Box Rect() const;
    // The hand a throw starts from.
    Vec2 Hand() const { return {position_.x + 2, position_.y + 2}; }

    void SetPose(Pose pose, int64_t now);
    // Back in the stance with the feet where the fall ended: a taller fall sprite would otherwise
    // leave it hanging above the ground it landed on.
    void Land(int64_t now);
    void PlaceAt(Vec2 position) { position_ = position; }
    void MoveBy(float dx) { position_.x += dx; }
    void Hide() { shown_ = false; }
    // Rests it on the ground under its feet when there is some.
    bool StandsOnGround(const GroundBuffer& ground);
    // One step down; true once it has dropped off the field's bottom.
    bool Drop();

    float missMemory = 0;

private:
    Character character_;
    Side side_;
    bool person_;
    Pose pose_ = Pose::Stance;
    int64_t poseTime_ = 0;
    bool shown_ = true;
    Vec2 position_;
};

}  // namespace slorrow
