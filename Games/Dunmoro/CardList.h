// Cards made in whole decks and kept in order: the deck, which becomes the draw pile. The top of
// the pile is the last card.
#pragma once

#include <memory>
#include <vector>

#include "Games/Dunmoro/Card.h"

namespace dunmoro {

class CCardList {
public:
    CCardList(CDunmoroApplet& app, bool withSurfaces) : app_(app), withSurfaces_(withSurfaces) {}

    // Appends 52 cards, suit by suit, Ace to King; with surfaces they stand on the pile's spot
    // and the stacking follows the list. False (nothing added) past six decks.
    bool AddDeck();
    // For every place in turn, swap with a place drawn by the shell's generator; then restack.
    void Shuffle();
    // The top card, or null when none is left.
    std::unique_ptr<CCard> Pop();
    // The surfaces stack as the list does: the first card on top, the last lowest.
    void RestackSurfaces();
    int Count() const { return static_cast<int>(cards_.size()); }
    const CCard& At(int index) const { return *cards_[static_cast<size_t>(index)]; }

private:
    CDunmoroApplet& app_;
    bool withSurfaces_;
    std::vector<std::unique_ptr<CCard>> cards_;
};

// The dealt board: its cards in deal order (a later card lies over earlier ones), and the deck
// of cards not dealt, which is the draw pile.
class CBoard {
public:
    CBoard(std::unique_ptr<CCardList> deck) : deck_(std::move(deck)) {}

    void Append(std::unique_ptr<CCard> card) { cards_.push_back(std::move(card)); }
    // Takes the card off the board; the caller owns it. Null when it is not on the board.
    std::unique_ptr<CCard> Unlink(const CCard* card);
    int Count() const { return static_cast<int>(cards_.size()); }
    CCard& At(int index) const { return *cards_[static_cast<size_t>(index)]; }
    CCardList& Deck() const { return *deck_; }

private:
    std::vector<std::unique_ptr<CCard>> cards_;
    std::unique_ptr<CCardList> deck_;
};

}  // namespace dunmoro
