// How the test bot plays, from the cards it reads off the screen: blackjack by basic strategy,
// draw poker with its own hand ranking (written apart from the game's, so that each checks the
// other) and a hold choice, and in-between raises on wide spreads.
#pragma once

#include <array>
#include <span>

#include "Apps/Common/PlayingCard.h"

namespace torvimble {

enum class BlackjackMove { Hit, Stand, Double, Split };

// The move for the hand against the dealer's up card, given which moves the table offers.
BlackjackMove BasicStrategy(std::span<const CardValue> hand, CardValue dealerUp, bool canSplit, bool canDouble);

// The pay table's rank of five cards (1 royal flush ... 10 jacks or better, 0 nothing), found by
// counting ranks and suits.
int BotPokerRank(std::span<const CardValue, 5> hand);
// The cards to hold: a paying hand whole, else four to a flush or a straight, else the high
// cards (jacks and up, at most two).
std::array<bool, 5> ChooseHolds(std::span<const CardValue, 5> hand);

// The raise for a spread of that width (high minus low): all that is offered from 8 up, none
// below.
int ChooseRaise(int width, int raiseLimit);

}  // namespace torvimble
