// Level, lives and money across trucks, and where the game goes after each truck.
#pragma once

#include "Apps/Common/HighScores.h"
#include "Apps/Tallimo/TruckCheck.h"

namespace tallimo {

inline constexpr int kStartingLives = 3;

enum class AfterTruck { SameLevel, NextLevel, NameEntry, Title };

class GameProgress {
public:
    // A new game at `level`: three lives and the level's starting money.
    void NewGame(int level);

    // A checked cell's pay, added as the check reaches the cell.
    void Earn(int money);
    // After the truck's last cell: a failed truck costs a life, a perfect one pays the bonus and
    // gives a life.
    void FinishTruck(TruckOutcome outcome);
    // Where the truck leaving leads; the level moves on with NextLevel.
    AfterTruck Next(const HighScoreTable& table) const;
    // Moves to the level Next chose.
    void Advance();

    int Level() const { return level_; }
    int Lives() const { return lives_; }
    int Money() const { return money_; }

private:
    int level_ = kFirstLevel;
    int lives_ = kStartingLives;
    int money_ = 0;
    bool passed_ = false;
};

// Whether the money earns a row: it is at least one row's score.
bool ReachesTable(const HighScoreTable& table, int money);

}  // namespace tallimo
