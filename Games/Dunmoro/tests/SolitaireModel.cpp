#include "Games/Dunmoro/tests/SolitaireModel.h"

#include <algorithm>
#include <array>
#include <unordered_map>

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
// up or down around the circle, using one card of that rank.
class LongestRun {
public:
    explicit LongestRun(std::array<int, kRanks + 1> counts) : counts_(counts) {}

    int From(int up) {
        const uint64_t key = Key(up);
        if (const auto it = memo_.find(key); it != memo_.end()) return it->second;
        int best = 0;
        for (const int next : {up % kRanks + 1, (up + kRanks - 2) % kRanks + 1}) {
            if (counts_[static_cast<size_t>(next)] == 0) continue;
            --counts_[static_cast<size_t>(next)];
            best = std::max(best, 1 + From(next));
            ++counts_[static_cast<size_t>(next)];
        }
        memo_[key] = best;
        return best;
    }

private:
    uint64_t Key(int up) const {
        uint64_t key = static_cast<uint64_t>(up);
        for (int rank = 1; rank <= kRanks; ++rank) key = key * 64 + static_cast<uint64_t>(counts_[static_cast<size_t>(rank)]);
        return key;
    }

    std::array<int, kRanks + 1> counts_;
    std::unordered_map<uint64_t, int> memo_;
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
    for (int i = 0; i < static_cast<int>(view.cards.size()); ++i) {
        const Seen& card = view.cards[static_cast<size_t>(i)];
        if (!card.present || !card.readable || !IsPlayable(card.rank, view.up)) continue;
        auto rest = counts;
        --rest[static_cast<size_t>(card.rank)];
        const int run = 1 + LongestRun(rest).From(card.rank);
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
