// The game's rules on plain data, with a player who sees only what the screen shows: for the
// layouts' playability checks and, through what the bot reads from the frame, for the bot.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "Games/Dunmoro/Layout.h"

namespace dunmoro::model {

struct Card {
    int x = 0, y = 0;
    bool faceUp = false;
    int rank = 1;
    bool present = true;
};

struct Game {
    std::vector<Card> board;  // deal order
    std::vector<int> pile;    // ranks; the top is the last
    int up = 1;
    // For each card, the later cards that lie over it (filled by Deal; empty: worked out each time).
    std::vector<std::vector<int>> coveredBy;
};

// Deals as the game does: N / 52 + 2 decks suit by suit, the last added cards trimmed away to
// the pile's size, a shuffle, then the board from the top of the deck and the up card.
Game Deal(const std::vector<LayoutCard>& layout, int board, std::mt19937& random);
bool Uncovered(const Game& game, int index);
// Plays a board card on the up card and turns up what it uncovered.
void Play(Game& game, int index);
// Turns the pile's next card; false when it is empty.
bool Draw(Game& game);
bool Cleared(const Game& game);

// A board card as a player sees it: where it lies and, when it can be read (face up with nothing
// on it), its rank.
struct Seen {
    int x = 0, y = 0;
    bool present = true;
    bool readable = false;
    int rank = 0;
};
struct View {
    std::vector<Seen> cards;
    int up = 1;
    int pile = 0;
};
View See(const Game& game);

// The card to play next, or -1 to draw: the first card of the longest run that can be played
// through the readable ranks, and of those the one that uncovers most.
int ChooseMove(const View& view);

// Plays the deal to its end; true when the board was cleared.
bool PlayOut(Game& game);
// Cleared deals of `deals` random ones.
double WinRate(const std::vector<LayoutCard>& layout, int board, int deals, uint32_t seed);

}  // namespace dunmoro::model
