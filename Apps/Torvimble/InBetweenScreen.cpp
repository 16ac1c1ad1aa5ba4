#include "Apps/Torvimble/InBetweenScreen.h"

#include "Apps/Common/DrawMarkupTextF.h"
#include "Apps/Common/Forwarder.h"
#include "frame/api/IImage.h"

namespace torvimble {
namespace {

constexpr uint32_t kStepMs = 500;
constexpr int kCardY = 145, kValueY = 223;
int CardX(int position) { return 78 * position + 80; }
constexpr int kMarkerY = 56;

}  // namespace

CInBetweenScreen::CInBetweenScreen(CTorvimbleApplet& owner) : CTableScreen(owner, {340, 150, 440, 225}) {
    DrawPicture("slb-background_rug-430-253.gif", 32, 34);
    DrawPicture("slb-inbetween_winstrip-355x.gif", 82, 70);
    DrawPicture("img-inbetween_header.gif", 5, 8);
    DrawPicture("slb-inbetween-status-380x46.gif", 40, 288);
    DrawPicture("img-horizontalruler-216x12.gif", 75, 135);
    DrawPicture("slb-face_panel-149x111.gif", 300, 130);
    DrawPicture("slb-bet_panel-227x66.gif", 85, 330);
    for (int i = 0; i < 3; ++i) {
        DrawPicture("slb-inbetween_cardvalue-52x48.gif", CardX(i), 210);
        DrawPicture("img-card-front-50x66.gif", CardX(i), kCardY);
    }
    MakeBetRow(Forward<&CInBetweenScreen::OnBet>);
    deal_ = game.MakeButton("btn-deal-75x36.gif", CTorvimbleApplet::Looks::Four, 310, 345, 0, false, this,
                            Forward<&CInBetweenScreen::OnDeal>);
    EnableBetsByHoldings();
    bets_[0]->Select();
    DrawStake();
    Message({});
    SetInHand(false);
    DrawHoldings();
    ShowFace(Face::Asleep);
}

CInBetweenScreen::~CInBetweenScreen() {
    ForfeitStake();
    for (auto& card : cards_) card.reset();
}

int CInBetweenScreen::OnBet(intptr_t* args) {
    const int id = static_cast<int>(args[2]);
    if (dealing_ || id < 1 || id > kBetButtons) return 0;
    Message({});
    for (int k = 1; k <= kBetButtons; ++k)
        if (k != id) bets_[static_cast<size_t>(k - 1)]->Deselect();
    if (table_.Choose(id) == id)
        bets_[static_cast<size_t>(id - 1)]->Select();
    else
        bets_[static_cast<size_t>(id - 1)]->Deselect();
    if (table_.CanDeal())
        deal_->Enable();
    else
        deal_->Disable();
    DrawStake();
    return 0;
}

int CInBetweenScreen::OnDeal(intptr_t* /*args*/) {
    if (dealing_ || !table_.CanDeal()) return 0;
    Message({});
    if (!table_.BetPhase()) {
        if (CPlayingCard* middle = cards_[1].get()) {
            middle->SetFaceUp(true);
            game.Play(Sound::CardFlip);
            DrawCardValue(1);
            const InBetweenResult result = table_.Reveal(middle->Value());
            Message(result.message);
            ShowFace(result.won ? Face::Mad : Face::Laughs);
            Settle(result.change);
        }
        BackToBetting();
        return 0;
    }
    table_.StartHand();
    SetInHand(true);
    DrawHoldings();
    for (auto& bet : bets_) bet->Disable();
    for (int i = 0; i < 3; ++i) DrawPicture("slb-inbetween_cardvalue-52x48.gif", CardX(i), 210);
    game.HideMarker();
    for (auto& card : cards_) card.reset();
    deal_->Disable();
    deck_ = std::make_unique<Deck>(&game.Cards());
    deck_->AddStandardPack();
    deck_->Shuffle();
    for (auto& card : cards_) card = deck_->DealCard();
    ShowFace(Face::LooksDown);
    dealing_ = true;
    requested_ = true;
    return 0;
}

void CInBetweenScreen::Tick(uint32_t now) {
    if (!dealing_) return;
    if (requested_) {
        requested_ = false;
        step_ = 0;
        lastStep_ = now;
        return;
    }
    if (now - lastStep_ <= kStepMs) return;
    lastStep_ = now;
    CPlayingCard& card = *cards_[static_cast<size_t>(step_)];
    card.MoveTo(CardX(step_), kCardY);
    card.SetFaceUp(step_ != 1);
    card.BringToFront();
    card.Show(true);
    game.Play(Sound::CardDeal);
    if (step_ != 1) DrawCardValue(step_);
    if (++step_ < 3) return;
    dealing_ = false;
    OuterCardsShown();
}

void CInBetweenScreen::OuterCardsShown() {
    const Spread spread = table_.OuterCardsShown(cards_[0]->Value(), cards_[2]->Value(), Holdings());
    for (int k = 1; k <= kBetButtons; ++k) {
        ImageButton& button = *bets_[static_cast<size_t>(k - 1)];
        button.Deselect();
        if (table_.ButtonUsable(k, Holdings()))
            button.Enable();
        else
            button.Disable();
    }
    deal_->Enable();
    ShowFace(Face::Smug);
    DrawStake();
    const char* text = spread.kind == SpreadKind::Pair          ? "img-inbetween_3kindtext-128x21.gif"
                       : spread.kind == SpreadKind::Consecutive ? "img-inbetween_drawtext-128x21.gif"
                                                                : "img-inbetween_raisetext-128x21.gif";
    DrawPicture(text, 280, 298);
    game.ShowMarker(InBetweenMarkerX(spread.markerIndex), kMarkerY);
    // Nothing was at stake: the table is free to leave again.
    if (spread.kind == SpreadKind::Consecutive) {
        SetInHand(false);
        BackToBetting();
    }
}

void CInBetweenScreen::BackToBetting() {
    table_.BackToBetting(Holdings());
    for (int k = 1; k <= kBetButtons; ++k) {
        ImageButton& button = *bets_[static_cast<size_t>(k - 1)];
        button.Deselect();
        if (Holdings() >= k)
            button.Enable();
        else
            button.Disable();
    }
    if (table_.Bet() == 0) {
        deal_->Disable();
    } else {
        bets_[static_cast<size_t>(table_.Bet() - 1)]->Select();
        deal_->Enable();
    }
    DrawStake();
}

void CInBetweenScreen::Message(const std::string& text) {
    Grey(280, 298, 408, 320);  // the whole of the 128-pixel status texts
    ShowMessage(text);
}

void CInBetweenScreen::DrawStake() {
    Grey(140, 298, 270, 325);
    if (canvas == nullptr) return;
    if (table_.BetPhase())
        DrawMarkupTextF(canvas, 140, 298, "<S1><b><c000000>%d Clams</b>", table_.Bet());
    else
        DrawMarkupTextF(canvas, 140, 298, "<S1><b><c000000>%d + %d Clams</b>", table_.Bet(), table_.Raise());
}

void CInBetweenScreen::DrawCardValue(int position) {
    const CPlayingCard* card = cards_[static_cast<size_t>(position)].get();
    if (card == nullptr || canvas == nullptr) return;
    const int value = InBetweenValue(card->Value());
    const int x = CardX(position) + (value == 14 ? 11 : value < 10 ? 16 : 10);
    DrawMarkupTextF(canvas, x, kValueY, "<S1><C000000><b>%d</b>", value);
}

}  // namespace torvimble
