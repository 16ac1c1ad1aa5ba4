// A player that only looks at the screen: it reads the cards' corners and pips and the buttons'
// looks, plays blackjack by basic strategy, raises at in-between on wide spreads and holds at
// draw poker by its own ranking, and keeps its own ledger of the clams by the tables' posted
// rules.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Apps/Torvimble/tests/TorvimbleView.h"

namespace torvimble::test {

class TorvimbleBot {
public:
    TorvimbleBot(TorvimbleView& view, int clams) : view_(view), clams_(clams) {}

    // One hand at the table on screen, from the bet to the settlement; false, with Error() set,
    // when the screen did not show what the bot expected.
    bool PlayBlackjack(int bet);
    bool PlayInBetween();
    bool PlayPoker();

    int Clams() const { return clams_; }
    // The hands that ended below one clam and brought the gift.
    int Gifts() const { return gifts_; }
    // In-between hands that ended on consecutive outer cards.
    int Consecutive() const { return consecutive_; }
    const std::string& Error() const { return error_; }

private:
    bool WaitFor(bool (TorvimbleBot::*condition)(), int maxMs);
    bool BetsOpen();
    bool HitOpen();
    bool DealOpen();
    std::vector<CardValue> ReadRow(Spot (*place)(int hand, int n), int hand);
    std::optional<std::vector<CardValue>> ReadFive(Spot (*place)(int i));
    bool Fail(std::string what);
    void Book(int change);

    TorvimbleView& view_;
    int clams_;
    int gifts_ = 0;
    int consecutive_ = 0;
    std::string error_;
};

}  // namespace torvimble::test
