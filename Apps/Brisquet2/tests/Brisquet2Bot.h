// A player of the bubble puzzles who sees only the screen: it reads each cell's colour off the
// game area, finds an order of clicks with its own model of popping and falling, and clicks one
// bubble per group, checking after each pop that the screen shows what its model expects.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Apps/Common/BubbleBoard.h"
#include "harness/GameDriver.h"

namespace brisquet2::test {

class Brisquet2Bot {
public:
    // A pop and the longest fall both end within this.
    static constexpr uint32_t kSettleMs = 1400;

    explicit Brisquet2Bot(GameDriver& driver) : driver_(driver) {}

    // The board as the screen shows it.
    CBubbleBoard ReadBoard() const;
    void ClickCell(const BubbleCell& cell);
    // Clears the board on screen; false with `error` when no order was found or the screen
    // showed something else than the model after a pop.
    bool Solve(std::string* error);
    // Plays an order that leaves bubbles with no partner; false when none was found.
    bool PlayIntoDeadEnd(std::string* error);

private:
    bool Play(const std::vector<BubbleCell>& clicks, CBubbleBoard model, std::string* error);

    GameDriver& driver_;
};

}  // namespace brisquet2::test
