#include "Games/Dunmoro/CardList.h"

#include <algorithm>

#include "Games/Dunmoro/DunmoroApplet.h"
#include "Games/Dunmoro/Layout.h"
#include "Games/Dunmoro/Rules.h"

namespace dunmoro {

bool CCardList::AddDeck() {
    if (Count() + kSuits * kRanks > kMaxDecks * kSuits * kRanks) return false;
    for (int suit = 0; suit < kSuits; ++suit) {
        for (int rank = 0; rank < kRanks; ++rank) {
            auto card = std::make_unique<CCard>(app_, withSurfaces_, suit, rank);
            card->PlaceSurface(kPileX, kPileY);
            cards_.push_back(std::move(card));
        }
    }
    RestackSurfaces();
    return true;
}

void CCardList::Shuffle() {
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        const int j = app_.Rand() % count;
        std::swap(cards_[static_cast<size_t>(i)], cards_[static_cast<size_t>(j)]);
    }
    RestackSurfaces();
}

std::unique_ptr<CCard> CCardList::Pop() {
    if (cards_.empty()) return nullptr;
    std::unique_ptr<CCard> top = std::move(cards_.back());
    cards_.pop_back();
    return top;
}

void CCardList::RestackSurfaces() {
    if (!withSurfaces_) return;
    for (auto it = cards_.rbegin(); it != cards_.rend(); ++it) (*it)->BringToFront();
}

std::unique_ptr<CCard> CBoard::Unlink(const CCard* card) {
    const auto it = std::find_if(cards_.begin(), cards_.end(), [card](const auto& c) { return c.get() == card; });
    if (it == cards_.end()) return nullptr;
    std::unique_ptr<CCard> taken = std::move(*it);
    cards_.erase(it);
    return taken;
}

}  // namespace dunmoro
