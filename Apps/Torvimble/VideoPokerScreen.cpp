#include "Apps/Torvimble/VideoPokerScreen.h"

#include <cstdio>

#include "Apps/Common/Forwarder.h"

namespace torvimble {
namespace {

constexpr uint32_t kPlaceMs = 200;
constexpr uint32_t kTurnMs = 250;
constexpr int kCardY = 215;
int CardX(int position) { return 68 * position + 90; }

}  // namespace

CVideoPokerScreen::CVideoPokerScreen(CTorvimbleApplet& owner) : CTableScreen(owner, {350, 88, 440, 160}) {
    DrawPicture("slb-background_rug-430-253.gif", 32, 34);
    DrawPicture("img-poker_header.gif", 5, 8);
    DrawPicture("img-horizontalruler-328x12.gif", 88, 205);
    DrawPicture("slb-videopoker_winpanel-268.gif", 40, 40);
    DrawPicture("slb-face_panel-149x111.gif", 310, 65);
    DrawPicture("slb-bet_panel-227x66.gif", 85, 330);
    MakeBetRow(Forward<&CVideoPokerScreen::OnBet>);
    deal_ = game.MakeButton("btn-deal-75x36.gif", CTorvimbleApplet::Looks::Four, 310, 345, 0, false, this,
                            Forward<&CVideoPokerScreen::OnDeal>);
    for (int i = 0; i < kPokerCards; ++i) {
        DrawPicture("img-card-front-50x66.gif", CardX(i), kCardY);
        holds_[static_cast<size_t>(i)] =
            game.MakeButton("btn-hold-34x34.gif", CTorvimbleApplet::Looks::Five, 98 + 68 * i, 288, i, true, this,
                            Forward<&CVideoPokerScreen::OnHold>);
        holds_[static_cast<size_t>(i)]->Disable();
    }
    EnableBetsByHoldings();
    DrawPayColumn();
    bets_[0]->Select();
    DrawHoldings();
    SetInHand(false);
    ShowFace(Face::Asleep);
}

CVideoPokerScreen::~CVideoPokerScreen() {
    ForfeitStake();
    for (auto& card : cards_) card.reset();
}

void CVideoPokerScreen::DrawPayColumn() {
    char name[40];
    std::snprintf(name, sizeof name, "slb-bet%d_payout-40x145.gif", table_.Bet());
    DrawPicture(name, 238, 45);
}

int CVideoPokerScreen::OnBet(intptr_t* args) {
    const int id = static_cast<int>(args[2]);
    if (table_.InHand() || id < 1 || id > kBetButtons) return 0;
    table_.ChooseBet(id);
    game.HideMarker();
    SelectBet(id);
    DrawPayColumn();
    deal_->Enable();
    return 0;
}

int CVideoPokerScreen::OnHold(intptr_t* args) {
    const int id = static_cast<int>(args[2]);
    if (sequence_ != Sequence::Idle || id < 0 || id >= kPokerCards) return 0;
    table_.ToggleHold(id);
    if (table_.Held(id))
        holds_[static_cast<size_t>(id)]->Select();
    else
        holds_[static_cast<size_t>(id)]->Deselect();
    return 0;
}

int CVideoPokerScreen::OnDeal(intptr_t* /*args*/) {
    if (sequence_ != Sequence::Idle || table_.Bet() > Holdings()) return 0;
    SetInHand(true);
    ShowMessage({});
    const bool newHand = table_.Press();
    replaced_ = table_.Replaced();
    if (newHand) {
        DrawHoldings();
        for (auto& bet : bets_) bet->Disable();
        for (auto& card : cards_) card.reset();
        deck_ = std::make_unique<Deck>(&game.Cards());
        deck_->AddStandardPack();
        deck_->Shuffle();
    }
    for (int i = 0; i < kPokerCards; ++i) {
        if (!replaced_[static_cast<size_t>(i)]) continue;
        auto& card = cards_[static_cast<size_t>(i)];
        card.reset();
        card = deck_->DealCard();
        card->MoveTo(CardX(i), kCardY);
        card->Show(false);
    }
    game.HideMarker();
    for (auto& hold : holds_) hold->Disable();
    deal_->Disable();
    ShowFace(Face::LooksDown);
    sequence_ = Sequence::Requested;
    return 0;
}

int CVideoPokerScreen::NextReplaced() const {
    int i = index_;
    while (i < kPokerCards && !replaced_[static_cast<size_t>(i)]) ++i;
    return i;
}

void CVideoPokerScreen::Tick(uint32_t now) {
    switch (sequence_) {
        case Sequence::Idle: return;
        case Sequence::Requested:
            index_ = 0;
            lastStep_ = now;
            sequence_ = Sequence::Placing;
            return;
        case Sequence::Placing:
        case Sequence::Turning: break;
    }
    const bool placing = sequence_ == Sequence::Placing;
    if (now - lastStep_ <= (placing ? kPlaceMs : kTurnMs)) return;
    lastStep_ = now;
    const int position = NextReplaced();
    if (position < kPokerCards) {
        CPlayingCard& card = *cards_[static_cast<size_t>(position)];
        if (placing) {
            card.BringToFront();
            card.Show(true);
            game.Play(Sound::CardDeal);
        } else {
            card.SetFaceUp(true);
            game.Play(Sound::CardFlip);
        }
        index_ = position + 1;
    }
    if (NextReplaced() < kPokerCards) return;
    index_ = 0;
    if (placing) {
        sequence_ = Sequence::Turning;
        return;
    }
    sequence_ = Sequence::Idle;
    CardsShown();
}

void CVideoPokerScreen::CardsShown() {
    std::array<CardValue, kPokerCards> hand{};
    for (size_t i = 0; i < hand.size(); ++i) hand[i] = cards_[i]->Value();
    const bool afterDeal = table_.DealPhase();
    const PokerResult result = table_.CardsShown(hand);
    if (afterDeal) {
        for (auto& hold : holds_) hold->Enable();
        deal_->Enable();
        ShowFace(Face::Smug);
    } else {
        char message[48];
        if (result.rank > 0)
            std::snprintf(message, sizeof message, "You won %d Clams!", result.change);
        else
            std::snprintf(message, sizeof message, "You lost.");
        ShowFace(result.rank > 0 ? Face::Mad : Face::Laughs);
        ShowMessage(message);
        Settle(result.change);
        for (auto& hold : holds_) {
            hold->Deselect();
            hold->Disable();
        }
        EnableBetsByHoldings();
        if (Holdings() < table_.Bet()) {
            bets_[static_cast<size_t>(table_.Bet() - 1)]->Deselect();
            deal_->Disable();
        } else {
            deal_->Enable();
        }
    }
    if (result.rank != 0) {
        const MarkerSpot spot = PokerMarker(result.rank, table_.Bet());
        game.ShowMarker(spot.x, spot.y);
    }
}

}  // namespace torvimble
