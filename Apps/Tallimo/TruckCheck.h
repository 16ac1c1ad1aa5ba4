// The full truck checked cell by cell against its pattern; each matched cell tells its pay.
#pragma once

#include "Apps/Tallimo/LevelTable.h"
#include "Apps/Tallimo/Truck.h"

namespace tallimo {

enum class TruckOutcome { Failed, Passed, Perfect };

struct CellVerdict {
    int cell = 0;
    bool matched = false;
    int money = 0;
    // This match was the one that reached the needed count.
    bool enoughNow = false;
};

class TruckCheck {
public:
    // Both must outlive the check.
    TruckCheck(const Truck& truck, const TruckLevel& level);

    bool Done() const { return next_ >= truck_.CellCount(); }
    // Checks the next cell; call only while not Done().
    CellVerdict Step();

    int Matches() const { return matches_; }
    // What the status bar shows: the matches still missing, never below 0.
    int BallsToPass() const;
    // Meaningful once Done().
    TruckOutcome Outcome() const;

private:
    const Truck& truck_;
    const TruckLevel& level_;
    int next_ = 0;
    int matches_ = 0;
};

}  // namespace tallimo
