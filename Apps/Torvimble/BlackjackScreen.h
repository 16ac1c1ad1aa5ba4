// Blackjack against Oggo: a two-pack shoe, bets of 1 to 5 that deal at once, Hit, Stand, Double
// and Split, the dealing and the dealer's play paced at half a second a card by the table's
// timer, and the settlement of every hand.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "Apps/Common/Deck.h"
#include "Apps/Torvimble/BlackjackTable.h"
#include "Apps/Torvimble/TableScreen.h"

namespace torvimble {

class CBlackjackScreen final : public CTableScreen {
public:
    explicit CBlackjackScreen(CTorvimbleApplet& owner);
    ~CBlackjackScreen() override;

    int OnBet(intptr_t* args);
    int OnHit(intptr_t* args);
    int OnStand(intptr_t* args);
    int OnDouble(intptr_t* args);
    int OnSplit(intptr_t* args);

private:
    using Card = std::unique_ptr<CPlayingCard>;
    enum class Sequence { Idle, InitialDeal, Double, NextHand, Split, DealerPlay };

    int StakeInPlay() const override { return table_.StakesInPlay(); }
    void Tick(uint32_t now) override;
    void Step();
    void SplitGlide();
    void Request(Sequence sequence);

    // Takes the shoe's next card to the place (x, y), face up or down, on top of the others.
    Card DealTo(int x, int y, bool faceUp, bool sound);
    void NewShoe();
    void Follow(BlackjackStep step);
    void DealerTurn();
    void TurnHoleCard();
    void SettleRound();
    void SetActions(bool hitStand);
    void UpdateDoubleSplit();

    void DrawValue(int row, int value);
    void DrawLabel(int row, const char* label);
    void DrawNaturalOrFive(int row, bool natural);
    void DrawResult(int row, const char* text);
    void ClearRow(int row);
    // A hand's state after a card: its value, or what ended it.
    void DrawHand(int hand);
    void DrawDealer();

    BlackjackTable table_;
    std::unique_ptr<Deck> shoe_;
    std::array<std::vector<Card>, BlackjackTable::kMaxHands> hands_;
    std::vector<Card> dealer_;
    std::unique_ptr<ImageButton> hit_, stand_, double_, split_;

    Sequence sequence_ = Sequence::Idle;
    bool requested_ = false;
    int step_ = 0;
    uint32_t now_ = 0;
    uint32_t lastStep_ = 0;
    int glideFromX_ = 0, glideFromY_ = 0;
};

}  // namespace torvimble
