// In-between against Oggo: a fresh pack every hand, the two outer cards face up and the middle one
// face down, a bet before the deal and a raise after it on the same five buttons, and the win
// strip's marker over what the spread pays.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "Apps/Common/Deck.h"
#include "Apps/Torvimble/InBetweenTable.h"
#include "Apps/Torvimble/TableScreen.h"

namespace torvimble {

class CInBetweenScreen final : public CTableScreen {
public:
    explicit CInBetweenScreen(CTorvimbleApplet& owner);
    ~CInBetweenScreen() override;

    int OnBet(intptr_t* args);
    int OnDeal(intptr_t* args);

private:
    int StakeInPlay() const override { return table_.InHand() ? table_.Stake() : 0; }
    void Tick(uint32_t now) override;
    void OuterCardsShown();
    void BackToBetting();
    // The message line, and the status strip cleared with it.
    void Message(const std::string& text);
    void DrawStake();
    void DrawCardValue(int position);

    InBetweenTable table_;
    std::unique_ptr<Deck> deck_;
    std::array<std::unique_ptr<CPlayingCard>, 3> cards_;
    std::unique_ptr<ImageButton> deal_;
    bool dealing_ = false;
    bool requested_ = false;
    int step_ = 0;
    uint32_t lastStep_ = 0;
};

}  // namespace torvimble
