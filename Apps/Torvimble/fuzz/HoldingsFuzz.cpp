// Stored holdings of any content, then rounds at the three tables driven by the rest of the
// input (cards, bets and choices): the holdings start and stay at 1 or more, every change is
// stored, and the tables keep their limits whatever they are dealt.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Apps/Torvimble/BlackjackTable.h"
#include "Apps/Torvimble/InBetweenTable.h"
#include "Apps/Torvimble/PlayerProfile.h"
#include "Apps/Torvimble/VideoPokerTable.h"

using namespace torvimble;

namespace {

class Store final : public HoldingsStore {
public:
    void StoreHoldings(std::string_view, int clams) override { stored = clams; }
    void UpdateTopRocks(std::string_view, int) override {}
    int stored = 0;
};

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool More() const { return at_ < size_; }
    int Byte() { return at_ < size_ ? data_[at_++] : 0; }
    // Any byte makes a card, so decks of repeated cards are tried too.
    CardValue Card() {
        const int b = Byte();
        return {b % 13 + 1, (b / 13) % 4};
    }

private:
    const uint8_t* data_;
    size_t size_, at_ = 0;
};

void Check(bool condition) {
    if (!condition) std::abort();
}

void Blackjack(Input& in, CPlayerProfile& profile, Store& store) {
    BlackjackTable table;
    const int bet = in.Byte() % 5 + 1;
    const CardValue a = in.Card(), b = in.Card(), c = in.Card(), d = in.Card();
    table.Deal(bet, a, b, c, d);
    BlackjackStep step = table.AfterInitialDeal();
    for (int moves = 0; moves < 64 && (step == BlackjackStep::PlayerActs || step == BlackjackStep::NextHand); ++moves) {
        if (step == BlackjackStep::NextHand) {
            step = table.NextHand(in.Card());
            continue;
        }
        const int choice = in.Byte() % 5;
        if (choice == 4) {
            profile.Apply(-table.StakesInPlay(), store);
            return;
        }
        if (choice == 0 && table.CanSplit()) step = table.Split(in.Card());
        else if (choice == 1 && table.CanDouble()) step = table.Double(in.Card());
        else if (choice == 2) step = table.Stand();
        else step = table.Hit(in.Card());
    }
    if (step == BlackjackStep::DealerPlays)
        for (int drawn = 0; drawn < 16 && table.DealerDecides(); ++drawn) table.DealerTake(in.Card());
    Check(table.HandCount() <= BlackjackTable::kMaxHands);
    int change = 0;
    for (const HandResult& result : table.Settle()) {
        Check(result.amount >= 0 && result.amount <= 2 * bet);
        change += result.outcome == Outcome::Win ? result.amount : result.outcome == Outcome::Lose ? -result.amount : 0;
    }
    profile.Apply(change, store);
}

void InBetween(Input& in, CPlayerProfile& profile, Store& store) {
    InBetweenTable table;
    table.Choose(in.Byte() % 5 + 1);
    if (!table.CanDeal() || table.Bet() > profile.clams) return;
    table.StartHand();
    const Spread spread = table.OuterCardsShown(in.Card(), in.Card(), profile.clams);
    if (spread.kind == SpreadKind::Consecutive) {
        Check(!table.InHand());
        return;
    }
    const int raise = in.Byte() % 6;
    if (raise > 0 && table.ButtonUsable(raise, profile.clams)) table.Choose(raise);
    Check(table.Raise() <= RaiseLimit(table.Bet(), profile.clams));
    const InBetweenResult result = table.Reveal(in.Card());
    Check(result.change >= -table.Stake() && result.change <= 11 * table.Stake());
    profile.Apply(result.change, store);
}

void Poker(Input& in, CPlayerProfile& profile, Store& store) {
    VideoPokerTable table;
    table.ChooseBet(in.Byte() % 5 + 1);
    std::array<CardValue, kPokerCards> hand;
    table.Press();
    for (CardValue& card : hand) card = in.Card();
    const int dealt = table.CardsShown(hand).rank;
    Check(dealt >= 0 && dealt <= kPokerRanks);
    const int holds = in.Byte();
    for (int i = 0; i < kPokerCards; ++i)
        if ((holds >> i) & 1) table.ToggleHold(i);
    table.Press();
    const auto replaced = table.Replaced();
    for (int i = 0; i < kPokerCards; ++i)
        if (replaced[static_cast<size_t>(i)]) hand[static_cast<size_t>(i)] = in.Card();
    const PokerResult result = table.CardsShown(hand);
    Check(result.change == -table.Bet() || result.change == PokerPays(result.rank) * table.Bet());
    profile.Apply(result.change, store);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    size_t end = 0;
    while (end < size && data[end] != 0) ++end;
    const std::string stored(reinterpret_cast<const char*>(data), end);
    CPlayerProfile profile;
    profile.clams = StartingClams(end == size && size % 2 == 1 ? nullptr : stored.c_str());
    Check(profile.clams >= 1);
    Input in(data + std::min(size, end + 1), size - std::min(size, end + 1));
    Store store;
    store.stored = profile.clams;
    for (int round = 0; round < 64 && in.More(); ++round) {
        switch (in.Byte() % 3) {
            case 0: Blackjack(in, profile, store); break;
            case 1: InBetween(in, profile, store); break;
            default: Poker(in, profile, store); break;
        }
        Check(profile.clams >= 1 && store.stored == profile.clams);
    }
    return 0;
}
