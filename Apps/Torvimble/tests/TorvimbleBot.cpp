#include "Apps/Torvimble/tests/TorvimbleBot.h"

#include <algorithm>
#include <array>

#include "Apps/Torvimble/BotStrategy.h"

namespace torvimble::test {
namespace {

constexpr int kPollMs = 50;
constexpr const char* kHitButton = "btn-Hit-75x36.gif";
constexpr const char* kDealButton = "btn-deal-75x36.gif";
constexpr const char* kBet1Button = "btn-bet1-34x34.gif";

std::string BetButton(int k) { return "btn-bet" + std::to_string(k) + "-34x34.gif"; }

// The tables' posted rules, as the bot keeps them.
int Points(const std::vector<CardValue>& cards) {
    int sum = 0, aces = 0;
    for (const CardValue& card : cards) {
        if (card.rank == kAce) ++aces;
        sum += card.rank == kAce ? 11 : card.rank > 10 ? 10 : card.rank;
    }
    for (; sum > 21 && aces > 0; --aces) sum -= 10;
    return sum;
}

bool Blackjack(const std::vector<CardValue>& cards) {
    if (cards.size() < 2) return false;
    const auto ten = [](const CardValue& c) { return c.rank >= 10; };
    return (cards[0].rank == kAce && ten(cards[1])) || (cards[1].rank == kAce && ten(cards[0]));
}

int InBetweenPoints(const CardValue& card) { return card.rank == kAce ? 14 : card.rank; }

constexpr std::array<int, 11> kPokerPays = {0, 1000, 400, 150, 50, 10, 8, 4, 3, 2, 1};

}  // namespace

bool TorvimbleBot::Fail(std::string what) {
    error_ = std::move(what);
    return false;
}

void TorvimbleBot::Book(int change) {
    clams_ += change;
    if (clams_ < 1) {
        clams_ = 100;
        ++gifts_;
    }
}

bool TorvimbleBot::WaitFor(bool (TorvimbleBot::*condition)(), int maxMs) {
    for (int waited = 0; waited <= maxMs; waited += kPollMs) {
        if ((this->*condition)()) return true;
        view_.Wait(kPollMs);
    }
    return false;
}

bool TorvimbleBot::BetsOpen() { return !view_.Disabled(kBet1Button, layout::RowBet(1)); }
bool TorvimbleBot::HitOpen() { return !view_.Disabled(kHitButton, layout::kHit); }
bool TorvimbleBot::DealOpen() { return !view_.Disabled(kDealButton, layout::kDeal); }

std::vector<CardValue> TorvimbleBot::ReadRow(Spot (*place)(int hand, int n), int hand) {
    std::vector<CardValue> cards;
    for (int n = 0; n < 16; ++n) {
        const std::optional<CardValue> card = view_.ReadCard(place(hand, n));
        if (!card) break;
        cards.push_back(*card);
    }
    return cards;
}

std::optional<std::vector<CardValue>> TorvimbleBot::ReadFive(Spot (*place)(int i)) {
    std::vector<CardValue> cards;
    for (int i = 0; i < 5; ++i) {
        const std::optional<CardValue> card = view_.ReadCard(place(i));
        if (!card) return std::nullopt;
        cards.push_back(*card);
    }
    return cards;
}

bool TorvimbleBot::PlayBlackjack(int bet) {
    const auto bets = [this]() { return !view_.Disabled(kBet1Button, layout::kBlackjackBets[0]); };
    if (!bets()) return Fail("the bets are closed before the deal");
    view_.Press(layout::kBlackjackBets[bet - 1]);
    std::array<bool, 3> doubled{}, done{};
    const auto dealerRow = [](int /*hand*/, int n) { return layout::DealerCard(n); };
    for (int action = 0;; ++action) {
        int waited = 0;
        while (!bets() && !HitOpen() && waited < 20000) {
            view_.Wait(kPollMs);
            waited += kPollMs;
        }
        if (bets()) break;
        if (!HitOpen() || action > 40) return Fail("blackjack: neither Hit nor the bets come back");
        int current = -1;
        std::vector<CardValue> hand;
        for (int h = 0; h < 3 && current < 0; ++h) {
            hand = ReadRow(layout::HandCard, h);
            const bool over = hand.size() >= 5 || Points(hand) > 21 || Blackjack(hand);
            if (hand.size() >= 2 && !done[static_cast<size_t>(h)] && !over) current = h;
        }
        const std::vector<CardValue> dealer = ReadRow(dealerRow, 0);
        if (current < 0 || dealer.empty())
            return Fail("blackjack: no hand to play; the first hand shows " +
                        std::to_string(ReadRow(layout::HandCard, 0).size()) + " cards, the dealer " +
                        std::to_string(dealer.size()));
        const bool canSplit = !view_.Disabled("btn-Split-75x36.gif", layout::kSplit);
        const bool canDouble = !view_.Disabled("btn-double-75x36.gif", layout::kDouble);
        switch (BasicStrategy(hand, dealer[0], canSplit, canDouble)) {
            case BlackjackMove::Hit: view_.PressAction(layout::kHit); break;
            case BlackjackMove::Stand:
                done[static_cast<size_t>(current)] = true;
                view_.PressAction(layout::kStand);
                break;
            case BlackjackMove::Double:
                done[static_cast<size_t>(current)] = doubled[static_cast<size_t>(current)] = true;
                view_.PressAction(layout::kDouble);
                break;
            case BlackjackMove::Split: view_.PressAction(layout::kSplit); break;
        }
        view_.Wait(kPollMs);
    }

    const std::vector<CardValue> dealer = ReadRow(dealerRow, 0);
    if (dealer.size() < 2) return Fail("blackjack: the dealer's cards are not shown");
    const bool dealerNatural = Blackjack(dealer);
    const bool dealerBust = Points(dealer) > 21;
    int change = 0;
    for (int h = 0; h < 3; ++h) {
        const std::vector<CardValue> hand = ReadRow(layout::HandCard, h);
        if (hand.empty()) break;
        if (hand.size() < 2) return Fail("blackjack: a hand of one card at the end");
        const int stake = doubled[static_cast<size_t>(h)] ? 2 * bet : bet;
        const int points = Points(hand);
        if (Blackjack(hand))
            change += dealerNatural ? 0 : (3 * stake + 1) / 2;
        else if (dealerNatural)
            change -= stake;
        else if (hand.size() == 5 && points <= 21)
            change += stake;
        else if (points > 21)
            change -= dealerBust ? 0 : stake;
        else if (dealerBust || Points(dealer) < points)
            change += stake;
        else if (Points(dealer) > points)
            change -= stake;
    }
    Book(change);
    return true;
}

bool TorvimbleBot::PlayInBetween() {
    if (!DealOpen()) return Fail("in-between: Deal is closed before the deal");
    view_.PressAction(layout::kDeal);
    view_.Wait(kPollMs);
    if (!WaitFor(&TorvimbleBot::DealOpen, 5000)) return Fail("in-between: the cards never came");
    const std::optional<CardValue> left = view_.ReadCard(layout::InBetweenCard(0));
    const std::optional<CardValue> right = view_.ReadCard(layout::InBetweenCard(2));
    if (!left || !right) return Fail("in-between: the outer cards cannot be read");
    const int low = std::min(InBetweenPoints(*left), InBetweenPoints(*right));
    const int high = std::max(InBetweenPoints(*left), InBetweenPoints(*right));
    if (high - low == 1) {
        ++consecutive_;
        return true;
    }
    int limit = 0;
    for (int k = 1; k <= 5; ++k)
        if (!view_.Disabled(BetButton(k), layout::RowBet(k))) limit = k;
    const int raise = ChooseRaise(high - low, limit);
    if (raise > 0) view_.Press(layout::RowBet(raise));
    view_.PressAction(layout::kDeal);
    const std::optional<CardValue> middle = view_.ReadCard(layout::InBetweenCard(1));
    if (!middle) return Fail("in-between: the middle card cannot be read");
    const int m = InBetweenPoints(*middle), stake = 1 + raise;
    const int width = high - low;
    const int pays = width == 2 ? 5 : width == 3 ? 4 : width == 4 ? 2 : 1;
    if (width == 0)
        Book(m == low ? 11 * stake : -stake);
    else
        Book(low < m && m < high ? pays * stake : -stake);
    return true;
}

bool TorvimbleBot::PlayPoker() {
    if (!DealOpen()) return Fail("poker: Deal is closed before the deal");
    view_.PressAction(layout::kDeal);
    view_.Wait(kPollMs);
    if (!WaitFor(&TorvimbleBot::DealOpen, 5000)) return Fail("poker: the hand never came");
    const std::optional<std::vector<CardValue>> dealt = ReadFive(layout::PokerCard);
    if (!dealt) return Fail("poker: the dealt hand cannot be read");
    const std::array<bool, 5> holds = ChooseHolds(std::span<const CardValue, 5>(dealt->data(), 5));
    for (int i = 0; i < 5; ++i)
        if (holds[static_cast<size_t>(i)]) view_.Press(layout::Hold(i));
    view_.PressAction(layout::kDeal);
    view_.Wait(kPollMs);
    if (!WaitFor(&TorvimbleBot::BetsOpen, 5000)) return Fail("poker: the draw never ended");
    const std::optional<std::vector<CardValue>> drawn = ReadFive(layout::PokerCard);
    if (!drawn) return Fail("poker: the final hand cannot be read");
    for (int i = 0; i < 5; ++i)
        if (holds[static_cast<size_t>(i)] && (*drawn)[static_cast<size_t>(i)] != (*dealt)[static_cast<size_t>(i)])
            return Fail("poker: a held card changed");
    const int rank = BotPokerRank(std::span<const CardValue, 5>(drawn->data(), 5));
    Book(rank > 0 ? kPokerPays[static_cast<size_t>(rank)] : -1);
    return true;
}

}  // namespace torvimble::test
