#include "Apps/Slorrow/Duel.h"

#include <algorithm>
#include <utility>

namespace slorrow {
namespace {

constexpr int kFirstDropMs = 2000;
constexpr int kSecondDropMs = 1500;
constexpr int kTurnPauseMs = 1000;
constexpr int kAfterHitMs = 1500;
constexpr int kSayingMs = 7500;
constexpr int kOverMs = 5000;
constexpr int kCheerGapMs = 300;
constexpr int kCheers = 4;
constexpr float kOrbReach = 60.0f;
constexpr float kOrbMaxX = 490.0f;

Side Other(Side side) { return side == Side::Left ? Side::Right : Side::Left; }

Candidate MakeCandidate(Side side, bool person, bool swapped) {
    const bool brambo = (side == Side::Left) == swapped;
    return Candidate(brambo ? Character::Brambo : Character::Quillet, side, person);
}

}  // namespace

Duel::Duel(const DuelSetup& setup, GroundBuffer ground, float wind, RandomSource rand, int64_t now)
    : setup_(setup),
      ground_(std::move(ground)),
      wind_(wind),
      rand_(std::move(rand)),
      candidates_{MakeCandidate(Side::Left, true, setup.sidesSwapped),
                  MakeCandidate(Side::Right, setup.players == 2, setup.sidesSwapped)} {
    if (setup.players != 2) computer_.emplace(Side::Right);
    for (Candidate& candidate : candidates_) {
        const int width = PoseSprite(candidate.Who(), Pose::Stance).width;
        candidate.PlaceAt({static_cast<float>(DropX(ground_, candidate.Where(), width)), 0});
    }
    Wait(DuelState::DropIn, now, kFirstDropMs);
    planeTime_ = now + rand_() % 15000 + 45000;
    lastCheer_ = now - kCheerGapMs - 1;
}

void Duel::Enter(DuelState state, int64_t now) {
    entered_ = true;
    state_ = state;
    stateStart_ = now;
}

void Duel::Wait(DuelState next, int64_t now, int ms) {
    state_ = DuelState::Waiting;
    next_ = next;
    wakeTime_ = now + ms;
}

std::vector<DuelNews> Duel::Tick(int64_t now) {
    std::vector<DuelNews> news;
    if (cheerCount_ > 0 && now - lastCheer_ > kCheerGapMs) {
        news.push_back({DuelEvent::Cheer});
        lastCheer_ = now;
        cheerCount_ = cheerCount_ >= kCheers ? 0 : cheerCount_ + 1;
    }
    if (setup_.promotionOn && !planeStarted_ && now > planeTime_) {
        planeStarted_ = true;
        news.push_back({DuelEvent::PlaneStarts, rand_() % 50});
    }
    for (Candidate& candidate : candidates_) {
        if (candidate.CurrentPose() == Pose::Hit && now - candidate.PoseTime() >= kHitPoseMs) candidate.SetPose(Pose::Stance, now);
    }
    Step(now, news);
    return news;
}

void Duel::Step(int64_t now, std::vector<DuelNews>& news) {
    switch (state_) {
    case DuelState::DropIn:
        StepDropIn(now);
        break;
    case DuelState::Waiting:
        if (now >= wakeTime_) {
            Enter(next_, now);
            Step(now, news);
        }
        break;
    case DuelState::Turn:
        StepTurn(now, news);
        break;
    case DuelState::Charging: {
        Candidate& thrower = At(*thrower_);
        hand_ = thrower.Hand();
        direction_ = UnitToward(hand_, mouse_, direction_);
        power_ = PowerAfter(now - stateStart_);
        if (entered_) thrower.SetPose(Pose::Charging, now);
        entered_ = false;
        orb_ = Vec2{hand_.x + direction_.x * power_, hand_.y + direction_.y * power_};
        break;
    }
    case DuelState::Flight:
        StepFlight(now, news);
        break;
    case DuelState::Crater:
        StepCrater(now, news);
        break;
    case DuelState::Falling:
        StepFalling(now);
        break;
    case DuelState::AfterHit:
        StepAfterHit(now, news);
        break;
    case DuelState::Over:
        break;
    }
}

void Duel::StepDropIn(int64_t now) {
    if (entered_) {
        entered_ = false;
        falling_ = dropped_ == 0 ? Side::Left : Side::Right;
        At(*falling_).SetPose(Pose::Fall, now);
    }
    if (!FallStep(*falling_, now) || winner_) return;
    if (*falling_ == Side::Left) {
        dropped_ = 1;
        Wait(DuelState::DropIn, now, kSecondDropMs);
    } else {
        Wait(DuelState::Turn, now, kTurnPauseMs);
    }
}

void Duel::StepTurn(int64_t now, std::vector<DuelNews>& news) {
    if (entered_) {
        entered_ = false;
        thrower_ = thrower_ == Side::Left ? Side::Right : Side::Left;
        ball_.reset();
        At(*thrower_).SetPose(Pose::Aiming, now);
        news.push_back({DuelEvent::TurnStarted});
    }
    Candidate& thrower = At(*thrower_);
    if (thrower.IsPerson()) {
        hand_ = thrower.Hand();
        const Vec2 toward = UnitToward(hand_, {mouse_.x - 6, mouse_.y - 6}, direction_);
        orb_ = Vec2{std::clamp(hand_.x + kOrbReach * toward.x, 0.0f, kOrbMaxX), hand_.y + kOrbReach * toward.y};
        return;
    }
    const Candidate& target = Get(Other(*thrower_));
    const Throw shot = computer_->Aim(thrower.Position(), target.Position(), wind_, thrower.missMemory, rand_);
    hand_ = shot.hand;
    direction_ = shot.direction;
    power_ = shot.power;
    thrower.SetPose(Pose::Stance, now);
    Enter(DuelState::Flight, now);
}

void Duel::MouseDown(int64_t now) {
    if (state_ != DuelState::Turn || !thrower_ || !Get(*thrower_).IsPerson()) return;
    Enter(DuelState::Charging, now);
}

void Duel::MouseUp(int64_t now) {
    if (state_ == DuelState::Charging) Enter(DuelState::Flight, now);
}

void Duel::StepFlight(int64_t now, std::vector<DuelNews>& news) {
    Candidate& thrower = At(*thrower_);
    if (entered_) {
        entered_ = false;
        ball_.emplace(hand_, direction_, power_);
        orb_.reset();
        thrower.SetPose(Pose::Stance, now);
        news.push_back({DuelEvent::Thrown});
    }
    ball_->Step(wind_);
    const BallMeets meets = ball_->Check(ground_, Get(Side::Left).Rect(), Get(Side::Right).Rect());
    switch (meets) {
    case BallMeets::Nothing:
        return;
    case BallMeets::Ground:
        thrower.missMemory = ball_->MissFrom(Get(Other(*thrower_)).Position().x, *thrower_);
        craterCentre_ = ball_->Centre();
        ball_.reset();
        news.push_back({DuelEvent::Landed});
        Enter(DuelState::Crater, now);
        return;
    case BallMeets::Left:
    case BallMeets::Right: {
        const Side hit = meets == BallMeets::Left ? Side::Left : Side::Right;
        popularity_.HitOn(hit);
        thrower.missMemory = static_cast<float>(rand_() % 30 + 15);
        ball_.reset();
        news.push_back({DuelEvent::CandidateHit});
        At(hit).SetPose(Pose::Hit, now);
        hit_ = hit;
        Wait(DuelState::AfterHit, now, kAfterHitMs);
        return;
    }
    case BallMeets::Gone:
        ball_.reset();
        news.push_back({DuelEvent::Gone});
        thrower.missMemory = 40;
        Wait(DuelState::Turn, now, kTurnPauseMs);
        return;
    }
}

void Duel::StepCrater(int64_t now, std::vector<DuelNews>& news) {
    entered_ = false;
    const float radius = static_cast<float>(now - stateStart_) * 0.08f + 5.0f;
    const int cx = static_cast<int>(craterCentre_.x);
    const int cy = static_cast<int>(craterCentre_.y);
    news.push_back({DuelEvent::GroundChanged});
    if (radius <= static_cast<float>(kCraterRadius)) {
        ground_.PaintDisc(cx, cy, static_cast<int>(radius), kCraterGlow);
        return;
    }
    ground_.PaintDisc(cx, cy, kCraterRadius, kSky);
    if (!StartFallIfUndermined(now)) Wait(DuelState::Turn, now, kTurnPauseMs);
}

bool Duel::StartFallIfUndermined(int64_t now) {
    for (const Side side : {Side::Left, Side::Right}) {
        Candidate& candidate = At(side);
        if (candidate.StandsOnGround(ground_)) continue;
        falling_ = side;
        candidate.SetPose(Pose::Fall, now);
        if (candidate.Who() == Character::Brambo) candidate.MoveBy(side == Side::Left ? -30.0f : -15.0f);
        Enter(DuelState::Falling, now);
        return true;
    }
    return false;
}

void Duel::StepFalling(int64_t now) {
    entered_ = false;
    if (!FallStep(*falling_, now) || winner_) return;
    // One crater can take both candidates' ground: the other falls before the next turn.
    if (!StartFallIfUndermined(now)) Wait(DuelState::Turn, now, kTurnPauseMs);
}

bool Duel::FallStep(Side side, int64_t now) {
    Candidate& candidate = At(side);
    if (candidate.StandsOnGround(ground_)) {
        candidate.Land(now);
        if (candidate.Who() == Character::Brambo && setup_.sidesSwapped) candidate.MoveBy(10.0f);
        return true;
    }
    if (candidate.Drop()) {
        Win(Other(side), now);
        candidate.Hide();
    }
    return false;
}

void Duel::Win(Side side, int64_t now) {
    winner_ = side;
    At(side).SetPose(Pose::Win, now);
    cheerCount_ = 1;
    Wait(DuelState::Over, now, kOverMs);
}

void Duel::StepAfterHit(int64_t now, std::vector<DuelNews>& news) {
    entered_ = false;
    if (const auto winner = popularity_.Winner()) {
        Win(*winner, now);
        return;
    }
    news.push_back({DuelEvent::Saying, rand_() % kSayings});
    Wait(DuelState::Turn, now, kSayingMs);
}

}  // namespace slorrow
