#include "Games/Dunmoro/tests/SolitaireModel.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "Games/Dunmoro/Rules.h"

namespace dunmoro::model {

Game Deal(const std::vector<LayoutCard>& layout, int board, std::mt19937& random) {
    const int count = static_cast<int>(layout.size());
    std::vector<int> deck;
    for (int d = 0; d < DecksFor(count); ++d)
        for (int suit = 0; suit < kSuits; ++suit)
            for (int rank = 1; rank <= kRanks; ++rank) deck.push_back(rank);
    while (static_cast<int>(deck.size()) > count + SpareCards(board)) deck.pop_back();
    for (size_t i = 0; i < deck.size(); ++i) std::swap(deck[i], deck[random() % deck.size()]);
    Game game;
    for (const LayoutCard& place : layout) {
        game.board.push_back({place.x, place.y, place.faceUp, deck.back(), true});
        deck.pop_back();
    }
    game.up = deck.back();
    deck.pop_back();
    game.pile = std::move(deck);
    game.coveredBy.resize(game.board.size());
    for (size_t i = 0; i < game.board.size(); ++i)
        for (size_t j = i + 1; j < game.board.size(); ++j)
            if (Covers(game.board[i].x, game.board[i].y, game.board[j].x, game.board[j].y))
                game.coveredBy[i].push_back(static_cast<int>(j));
    return game;
}

bool Uncovered(const Game& game, int index) {
    if (!game.coveredBy.empty())
        return std::none_of(game.coveredBy[static_cast<size_t>(index)].begin(),
                            game.coveredBy[static_cast<size_t>(index)].end(),
                            [&](int j) { return game.board[static_cast<size_t>(j)].present; });
    const Card& card = game.board[static_cast<size_t>(index)];
    for (size_t later = static_cast<size_t>(index) + 1; later < game.board.size(); ++later) {
        const Card& upper = game.board[later];
        if (upper.present && Covers(card.x, card.y, upper.x, upper.y)) return false;
    }
    return true;
}

void Play(Game& game, int index) {
    Card& card = game.board[static_cast<size_t>(index)];
    card.present = false;
    game.up = card.rank;
    for (int i = 0; i < static_cast<int>(game.board.size()); ++i) {
        Card& other = game.board[static_cast<size_t>(i)];
        if (other.present && !other.faceUp && Uncovered(game, i)) other.faceUp = true;
    }
}

bool Draw(Game& game) {
    if (game.pile.empty()) return false;
    game.up = game.pile.back();
    game.pile.pop_back();
    return true;
}

bool Cleared(const Game& game) {
    return std::none_of(game.board.begin(), game.board.end(), [](const Card& c) { return c.present; });
}

View See(const Game& game) {
    View view;
    view.up = game.up;
    view.pile = static_cast<int>(game.pile.size());
    view.cards.reserve(game.board.size());
    for (int i = 0; i < static_cast<int>(game.board.size()); ++i) {
        const Card& card = game.board[static_cast<size_t>(i)];
        Seen seen{card.x, card.y, card.present, false, 0};
        if (card.present && card.faceUp && Uncovered(game, i)) {
            seen.readable = true;
            seen.rank = card.rank;
        }
        view.cards.push_back(seen);
    }
    return view;
}

namespace {

// The longest run of plays from the up card through the readable ranks: each step goes one rank
// up or down around the circle, using one card of that rank. One table serves every move weighed
// in a turn; it is flat (open addressing) and kept from turn to turn, a turn's entries told by
// their generation, as the search makes many small entries.
class LongestRun {
public:
    void NewTurn() {
        ++generation_;
        used_ = 0;
    }
    int From(int up, const std::array<int, kRanks + 1>& counts) {
        counts_ = counts;
        return Search(up);
    }

private:
    // Five bits a rank (a rank has at most 24 cards), the up card above them.
    struct RunKey {
        uint64_t high = 0, low = 0;
        bool operator==(const RunKey&) const = default;
    };
    struct Entry {
        RunKey key;
        int run = 0;
        uint32_t generation = 0;
    };

    int Search(int up) {
        const RunKey key = Key(up);
        if (const Entry& found = table_[Slot(key)]; found.generation == generation_) return found.run;
        int best = 0;
        for (const int next : {up % kRanks + 1, (up + kRanks - 2) % kRanks + 1}) {
            if (counts_[static_cast<size_t>(next)] == 0) continue;
            --counts_[static_cast<size_t>(next)];
            best = std::max(best, 1 + Search(next));
            ++counts_[static_cast<size_t>(next)];
        }
        // The searches below may have grown the table: the slot is found again.
        if (2 * (used_ + 1) > table_.size()) Grow();
        table_[Slot(key)] = {key, best, generation_};
        ++used_;
        return best;
    }

    RunKey Key(int up) const {
        RunKey key{static_cast<uint64_t>(up) << 5 | static_cast<uint64_t>(counts_[kRanks]), 0};
        for (int rank = 1; rank < kRanks; ++rank) key.low = key.low << 5 | static_cast<uint64_t>(counts_[static_cast<size_t>(rank)]);
        return key;
    }
    // The key's slot in this turn, or the free one where it would go.
    size_t Slot(const RunKey& key) const {
        const size_t mask = table_.size() - 1;
        size_t slot = static_cast<size_t>(((key.low ^ key.high * 0xC2B2AE3D27D4EB4Full) * 0x9E3779B97F4A7C15ull) >> 20) & mask;
        while (table_[slot].generation == generation_ && !(table_[slot].key == key)) slot = (slot + 1) & mask;
        return slot;
    }
    void Grow() {
        std::vector<Entry> old(table_.size() * 2);
        old.swap(table_);
        for (const Entry& entry : old)
            if (entry.generation == generation_) table_[Slot(entry.key)] = entry;
    }

    std::array<int, kRanks + 1> counts_{};
    std::vector<Entry> table_ = std::vector<Entry>(256);
    uint32_t generation_ = 1;
    size_t used_ = 0;
};

// Cards that taking `index` away would leave with nothing on them, not counting readable ones.
int Uncovers(const View& view, int index) {
    const Seen& taken = view.cards[static_cast<size_t>(index)];
    int count = 0;
    for (int i = 0; i < index; ++i) {
        const Seen& card = view.cards[static_cast<size_t>(i)];
        if (!card.present || card.readable || !Covers(card.x, card.y, taken.x, taken.y)) continue;
        bool stillCovered = false;
        for (int j = i + 1; j < static_cast<int>(view.cards.size()) && !stillCovered; ++j) {
            const Seen& upper = view.cards[static_cast<size_t>(j)];
            stillCovered = j != index && upper.present && Covers(card.x, card.y, upper.x, upper.y);
        }
        if (!stillCovered) ++count;
    }
    return count;
}

}  // namespace

int ChooseMove(const View& view) {
    std::array<int, kRanks + 1> counts{};
    for (const Seen& card : view.cards)
        if (card.present && card.readable) ++counts[static_cast<size_t>(card.rank)];
    int best = -1, bestRun = -1, bestUncovers = -1;
    thread_local LongestRun runs;
    runs.NewTurn();
    for (int i = 0; i < static_cast<int>(view.cards.size()); ++i) {
        const Seen& card = view.cards[static_cast<size_t>(i)];
        if (!card.present || !card.readable || !IsPlayable(card.rank, view.up)) continue;
        auto rest = counts;
        --rest[static_cast<size_t>(card.rank)];
        const int run = 1 + runs.From(card.rank, rest);
        const int uncovers = Uncovers(view, i);
        if (run > bestRun || (run == bestRun && uncovers > bestUncovers)) {
            best = i;
            bestRun = run;
            bestUncovers = uncovers;
        }
    }
    return best;
}

bool PlayOut(Game& game) {
    while (!Cleared(game)) {
        const int move = ChooseMove(See(game));
        if (move >= 0) Play(game, move);
        else if (!Draw(game)) return false;
    }
    return true;
}

double WinRate(const std::vector<LayoutCard>& layout, int board, int deals, uint32_t seed) {
    std::mt19937 random(seed);
    int won = 0;
    for (int i = 0; i < deals; ++i) {
        Game game = Deal(layout, board, random);
        if (PlayOut(game)) ++won;
    }
    return static_cast<double>(won) / deals;
}

}  // namespace dunmoro::model
