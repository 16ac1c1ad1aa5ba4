#include "Apps/Tallimo/TruckCheck.h"

#include <algorithm>

namespace tallimo {

TruckCheck::TruckCheck(const Truck& truck, const TruckLevel& level) : truck_(truck), level_(level) {}

CellVerdict TruckCheck::Step() {
    CellVerdict verdict;
    verdict.cell = next_++;
    verdict.matched = truck_.Ball(verdict.cell) == truck_.Pattern(verdict.cell);
    if (!verdict.matched) return verdict;
    verdict.money = matches_ < level_.ballsNeeded ? level_.perBall : level_.perExtraBall;
    ++matches_;
    verdict.enoughNow = matches_ == level_.ballsNeeded;
    return verdict;
}

int TruckCheck::BallsToPass() const { return std::max(level_.ballsNeeded - matches_, 0); }

TruckOutcome TruckCheck::Outcome() const {
    if (matches_ < level_.ballsNeeded) return TruckOutcome::Failed;
    return matches_ == truck_.CellCount() ? TruckOutcome::Perfect : TruckOutcome::Passed;
}

}  // namespace tallimo
