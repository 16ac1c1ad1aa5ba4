#include "Apps/Tallimo/PlayRound.h"

#include <algorithm>
#include <utility>

#include "Apps/Tallimo/TruckMotion.h"

namespace tallimo {

PlayRound::PlayRound(GameProgress& progress, bool newGame, int level, RandomSource rand, int64_t now)
    : progress_(progress) {
    if (newGame) progress_.NewGame(level);
    level_ = LevelRecord(progress_.Level());
    leftEdge_ = TruckLeftEdge(level_.truckSize);
    truck_.emplace(level_.truckSize);
    truck_->DrawPattern(level_.kinds, rand);
    conveyor_.emplace(level_, *truck_, std::move(rand));
    check_.emplace(*truck_, level_);
    since_ = now;
}

void PlayRound::Enter(PlayState state, int64_t now) {
    state_ = state;
    since_ = now;
}

std::vector<RoundNews> PlayRound::Tick(int64_t now) {
    std::vector<RoundNews> news;
    const int64_t t = now - since_;
    switch (state_) {
        case PlayState::Starting:
            if (ArrivingTruckX(t, leftEdge_) == leftEdge_) Enter(PlayState::Intro, now);
            break;
        case PlayState::Intro:
            break;
        case PlayState::Waiting:
            if (ArrivingBeltX(t) == 0) Enter(PlayState::Running, now);
            break;
        case PlayState::Running:
            for (const Landing& landing : conveyor_->Tick(t)) news.push_back({RoundEvent::BallLanded, landing, {}});
            if (conveyor_->Finished()) Enter(PlayState::Checking, now);
            break;
        case PlayState::Checking:
            Check(now, news);
            break;
        case PlayState::Perfect:
            if (t >= kBlinkStepMs * kBlinkSteps) Enter(PlayState::Passed, now);
            break;
        case PlayState::Passed:
            if (!gone_ && TruckGone(t, leftEdge_)) {
                gone_ = true;
                news.push_back({RoundEvent::Gone, {}, {}});
            }
            break;
    }
    return news;
}

void PlayRound::Check(int64_t now, std::vector<RoundNews>& news) {
    if (check_->Done()) return;
    const int64_t due = (now - since_) / kCheckStepMs + 1;
    while (!check_->Done() && checked_ < due) {
        const CellVerdict verdict = check_->Step();
        ++checked_;
        progress_.Earn(verdict.money);
        news.push_back({RoundEvent::CellChecked, {}, verdict});
        if (verdict.enoughNow) news.push_back({RoundEvent::EnoughBalls, {}, {}});
    }
    if (!check_->Done()) return;
    progress_.FinishTruck(check_->Outcome());
    switch (check_->Outcome()) {
        case TruckOutcome::Failed:
            failed_ = true;
            news.push_back({RoundEvent::Failed, {}, {}});
            break;
        case TruckOutcome::Perfect:
            news.push_back({RoundEvent::Perfect, {}, {}});
            Enter(PlayState::Perfect, now);
            break;
        case TruckOutcome::Passed:
            news.push_back({RoundEvent::Passed, {}, {}});
            Enter(PlayState::Passed, now);
            break;
    }
}

std::vector<RoundNews> PlayRound::Key(PlayKey key, int64_t now) {
    std::vector<RoundNews> news;
    const int64_t t = now - since_;
    if (state_ == PlayState::Intro) {
        if (t >= kIntroKeyWaitMs) Enter(PlayState::Waiting, now);
    } else if (state_ == PlayState::Running) {
        if (key == PlayKey::Left) conveyor_->Move(-1, t);
        if (key == PlayKey::Right) conveyor_->Move(1, t);
        if (key == PlayKey::Drop) {
            for (const Landing& landing : conveyor_->Drop(t)) news.push_back({RoundEvent::BallLanded, landing, {}});
        }
    } else if (AwaitingKey()) {
        Enter(PlayState::Passed, now);
    }
    return news;
}

int PlayRound::TruckX(int64_t now) const {
    const int64_t t = now - since_;
    if (state_ == PlayState::Starting) return ArrivingTruckX(t, leftEdge_);
    if (state_ == PlayState::Passed) return LeavingTruckX(t, leftEdge_);
    return leftEdge_;
}

int PlayRound::BeltX(int64_t now) const {
    if (state_ == PlayState::Starting || state_ == PlayState::Intro) return -kBeltLength;
    return state_ == PlayState::Waiting ? ArrivingBeltX(now - since_) : 0;
}

int PlayRound::BallsToPass() const { return check_->BallsToPass(); }

bool PlayRound::LivesShown(int64_t now) const {
    return state_ != PlayState::Perfect || ((now - since_) / kBlinkStepMs) % 2 == 1;
}

}  // namespace tallimo
