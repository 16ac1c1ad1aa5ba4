// Draw poker on the pay table: a fresh pack every hand, five cards placed and turned one by one,
// five holds, one draw, and the marker on the pay column at what the hand is worth.
#pragma once

#include <array>
#include <memory>

#include "Apps/Common/Deck.h"
#include "Apps/Torvimble/TableScreen.h"
#include "Apps/Torvimble/VideoPokerTable.h"

namespace torvimble {

class CVideoPokerScreen final : public CTableScreen {
public:
    explicit CVideoPokerScreen(CTorvimbleApplet& owner);
    ~CVideoPokerScreen() override;

    int OnBet(intptr_t* args);
    int OnHold(intptr_t* args);
    int OnDeal(intptr_t* args);

private:
    enum class Sequence { Idle, Requested, Placing, Turning };

    int StakeInPlay() const override { return table_.InHand() ? table_.Bet() : 0; }
    void Tick(uint32_t now) override;
    // The next replaced position from `index_`, or kPokerCards.
    int NextReplaced() const;
    void CardsShown();
    void DrawPayColumn();

    VideoPokerTable table_;
    std::unique_ptr<Deck> deck_;
    std::array<std::unique_ptr<CPlayingCard>, kPokerCards> cards_;
    std::array<bool, kPokerCards> replaced_{};
    std::array<std::unique_ptr<ImageButton>, kPokerCards> holds_;
    std::unique_ptr<ImageButton> deal_;
    Sequence sequence_ = Sequence::Idle;
    int index_ = 0;
    uint32_t lastStep_ = 0;
};

}  // namespace torvimble
