#include "Apps/Common/Deck.h"

#include "Apps/Common/ModuleGlobals.h"
#include "frame/api/AppletRecord.h"

std::vector<CardValue> StandardPack() {
    std::vector<CardValue> pack;
    pack.reserve(52);
    for (int suit = kClubs; suit <= kDiamonds; ++suit)
        for (int rank = kAce; rank <= kKing; ++rank) pack.push_back({rank, suit});
    return pack;
}

Deck::Deck(const CardArt* art) : art_(art) {}

Deck::~Deck() = default;

int Deck::AddStandardPack() {
    for (const CardValue& card : StandardPack()) cards_.push_back(std::make_unique<CPlayingCard>(art_, card.suit, card.rank - 1));
    return Count();
}

void Deck::Shuffle(const CardRandom& random) { ShuffleCards(std::span(cards_), random); }

void Deck::Shuffle() {
    AppletRecord* record = Globals().record;
    if (record == nullptr) return;
    Shuffle([record] { return record->Rand(); });
}

std::unique_ptr<CPlayingCard> Deck::DealCard() {
    if (cards_.empty()) return nullptr;
    std::unique_ptr<CPlayingCard> top = std::move(cards_.back());
    cards_.pop_back();
    return top;
}
