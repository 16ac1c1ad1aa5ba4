#include "Apps/Tallimo/GameProgress.h"

#include <algorithm>

namespace tallimo {

void GameProgress::NewGame(int level) {
    level_ = std::clamp(level, kFirstLevel, kLastLevel);
    lives_ = kStartingLives;
    money_ = LevelRecord(level_).startMoney;
    passed_ = false;
}

void GameProgress::Earn(int money) { money_ += money; }

void GameProgress::FinishTruck(TruckOutcome outcome) {
    passed_ = outcome != TruckOutcome::Failed;
    if (outcome == TruckOutcome::Failed) {
        lives_ = std::max(lives_ - 1, 0);
    } else if (outcome == TruckOutcome::Perfect) {
        money_ += LevelRecord(level_).perfectBonus;
        ++lives_;
    }
}

AfterTruck GameProgress::Next(const HighScoreTable& table) const {
    if (lives_ == 0) return ReachesTable(table, money_) ? AfterTruck::NameEntry : AfterTruck::Title;
    return NextLevel(level_, passed_) == level_ ? AfterTruck::SameLevel : AfterTruck::NextLevel;
}

void GameProgress::Advance() { level_ = NextLevel(level_, passed_); }

bool ReachesTable(const HighScoreTable& table, int money) {
    return std::ranges::any_of(table, [money](const HighScoreRow& row) { return money >= row.score; });
}

}  // namespace tallimo
