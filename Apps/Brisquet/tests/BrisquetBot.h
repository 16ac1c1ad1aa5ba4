// A player of the thirty screens who sees only the screen: it reads each bubble's kind from the
// game area, plans the clicks with the solver, clicks one bubble at a time, waits until the
// board stands still and checks that the screen shows what its model of the click expects.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Apps/Common/BubbleBoard.h"
#include "harness/GameDriver.h"

namespace brisquet::test {

class BrisquetBot {
public:
    explicit BrisquetBot(GameDriver& driver) : driver_(driver) {}

    // The board as the screen shows it.
    CBubbleBoard ReadBoard() const;
    // Runs the game until the board has looked the same for a while.
    void WaitStill();
    void ClickCell(const BubbleCell& cell);
    // Clears the board on screen; false with `error` when no order was found or the screen
    // showed something else than the model after a click.
    bool Clear(std::string* error);
    // Plays an order that leaves bubbles none of which can go; false when none was found.
    bool PlayIntoDeadEnd(std::string* error);

private:
    bool Play(const std::vector<BubbleCell>& clicks, CBubbleBoard model, std::string* error);

    GameDriver& driver_;
};

}  // namespace brisquet::test
