#include "Apps/Slorrow/Candidate.h"

namespace slorrow {
namespace {

constexpr SpriteSize kDizzy{58, 72};

int FootWidth(Character character) { return character == Character::Quillet ? 18 : 15; }

}  // namespace

SpriteSize PoseSprite(Character character, Pose pose) {
    const bool brambo = character == Character::Brambo;
    switch (pose) {
    case Pose::Fall:
        return brambo ? kDizzy : SpriteSize{39, 65};
    case Pose::Hit:
        return kDizzy;
    case Pose::Win:
        return brambo ? SpriteSize{33, 53} : SpriteSize{40, 86};
    default:
        return brambo ? SpriteSize{20, 55} : SpriteSize{39, 65};
    }
}

Candidate::Candidate(Character character, Side side, bool person) : character_(character), side_(side), person_(person) {}

Box Candidate::Rect() const {
    const SpriteSize size = PoseSprite(character_, pose_);
    return {position_.x, position_.y, static_cast<float>(size.width), static_cast<float>(size.height)};
}

void Candidate::SetPose(Pose pose, int64_t now) {
    if (pose == Pose::Win) position_.y -= character_ == Character::Quillet ? 23.0f : 2.0f;
    pose_ = pose;
    poseTime_ = now;
    shown_ = true;
}

void Candidate::Land(int64_t now) {
    const float bottom = position_.y + static_cast<float>(PoseSprite(character_, pose_).height);
    SetPose(Pose::Stance, now);
    position_.y = bottom - static_cast<float>(PoseSprite(character_, Pose::Stance).height);
}

bool Candidate::StandsOnGround(const GroundBuffer& ground) {
    // The feet stay where the stance has them whatever the pose's sprite.
    const int stanceWidth = PoseSprite(character_, Pose::Stance).width;
    const int height = PoseSprite(character_, pose_).height;
    const auto y = RestingY(ground, static_cast<int>(position_.x), static_cast<int>(position_.y), stanceWidth, height,
                            FootWidth(character_));
    if (!y) return false;
    position_.y = static_cast<float>(*y);
    return true;
}

bool Candidate::Drop() {
    position_.y += kFallStep;
    return position_.y >= kFallOffY;
}

}  // namespace slorrow
