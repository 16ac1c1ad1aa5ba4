// Cards in a pile: packs added in order, shuffled with the shell's generator, dealt from the top
// (the last card). The deck owns what it holds; a dealt card belongs to whoever took it.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "Apps/Common/PlayingCard.h"

// 0 to 32767, as the shell's Rand.
using CardRandom = std::function<int()>;

// One pass: every position swaps with the one the generator names. Slightly biased toward some
// orders, which no game relies on; kept so that a seed deals what it always dealt.
template <class Card>
void ShuffleCards(std::span<Card> cards, const CardRandom& random) {
    const auto count = static_cast<unsigned>(cards.size());
    for (unsigned i = 0; i < count; ++i) std::swap(cards[i], cards[static_cast<unsigned>(random()) % count]);
}

// The 52 cards of a fresh pack in the order they are added: clubs, spades, hearts, diamonds,
// each ace to king.
std::vector<CardValue> StandardPack();

class Deck {
public:
    // Cards get surfaces drawn from `art`; without art they have none.
    explicit Deck(const CardArt* art);
    ~Deck();
    Deck(const Deck&) = delete;
    Deck& operator=(const Deck&) = delete;

    // Appends a fresh pack, face down. The new count.
    int AddStandardPack();
    void Shuffle(const CardRandom& random);
    // With the shell's generator.
    void Shuffle();
    // The top card, or null when the deck is empty.
    std::unique_ptr<CPlayingCard> DealCard();
    int Count() const { return static_cast<int>(cards_.size()); }

private:
    const CardArt* art_;
    std::vector<std::unique_ptr<CPlayingCard>> cards_;
};
