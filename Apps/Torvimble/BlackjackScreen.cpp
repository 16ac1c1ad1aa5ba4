#include "Apps/Torvimble/BlackjackScreen.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "Apps/Common/DrawMarkupTextF.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "frame/api/IImage.h"

namespace torvimble {
namespace {

constexpr int kDealerRow = -1;
constexpr uint32_t kStepMs = 500;
constexpr uint32_t kGlideMs = 500;
constexpr uint32_t kSettleAfterGlideMs = 250;
constexpr int kHandX = 60, kHandY = 215, kCardGap = 50, kHandGap = 35;
constexpr int kDealerY = 85;

int HandCardX(int n) { return kCardGap * n + kHandX; }
int HandY(int hand) { return kHandGap * hand + kHandY; }
int DealerX(int n) { return n < 5 ? kHandX + kCardGap * n : kCardGap * n - 165; }
int DealerY(int n) { return n < 5 ? kDealerY : 110; }

int ValueY(int row) { return row == kDealerRow ? 106 : 238 + 50 * row; }
int LabelY(int row) { return row == kDealerRow ? 106 : 235 + 50 * row; }
int ResultY(int row) { return 219 + 50 * row; }

std::string Amount(const char* format, int amount) {
    char text[32];
    std::snprintf(text, sizeof text, format, amount);
    return text;
}

}  // namespace

CBlackjackScreen::CBlackjackScreen(CTorvimbleApplet& owner) : CTableScreen(owner, {350, 88, 440, 160}) {
    DrawPicture("slb-background_rug-430x324.gif", 32, 34);
    DrawPicture("img-blackjack_header.gif", 5, 8);
    DrawPicture("img-horizontalruler-216x12.gif", 52, 72);
    DrawPicture("img-horizontalruler-216x12.gif", 52, 202);
    for (const int y : {92, 215, 265, 315}) DrawPicture("slb-blackjack_status-53x47.gif", 5, y);
    DrawPicture("slb-dealer_score-130x35.gif", 50, 42);
    DrawPicture("slb-player_score-130x35.gif", 50, 172);
    DrawPicture("slb-face_panel-149x111.gif", 315, 65);
    DrawPicture("slb-mebet_panel-148x108.gif", 315, 247);

    MakeBets(Forward<&CBlackjackScreen::OnBet>, {{{330, 275}, {370, 275}, {410, 275}, {350, 310}, {390, 310}}});
    hit_ = game.MakeButton("btn-Hit-75x36.gif", CTorvimbleApplet::Looks::Four, 40, 360, 0, false, this,
                           Forward<&CBlackjackScreen::OnHit>);
    stand_ = game.MakeButton("btn-Stand-75x36.gif", CTorvimbleApplet::Looks::Four, 120, 360, 0, false, this,
                             Forward<&CBlackjackScreen::OnStand>);
    double_ = game.MakeButton("btn-double-75x36.gif", CTorvimbleApplet::Looks::Four, 200, 360, 0, false, this,
                              Forward<&CBlackjackScreen::OnDouble>);
    split_ = game.MakeButton("btn-Split-75x36.gif", CTorvimbleApplet::Looks::Four, 280, 360, 0, false, this,
                             Forward<&CBlackjackScreen::OnSplit>);
    SetActions(false);
    double_->Disable();
    split_->Disable();
    EnableBetsByHoldings();
    NewShoe();
    SetInHand(false);
    DrawHoldings();
    ShowFace(Face::Asleep);
}

// The cards go before the shoe and the buttons: all of them sit on the game area.
CBlackjackScreen::~CBlackjackScreen() {
    ForfeitStake();
    for (auto& hand : hands_) hand.clear();
    dealer_.clear();
}

void CBlackjackScreen::NewShoe() {
    shoe_ = std::make_unique<Deck>(&game.Cards());
    shoe_->AddStandardPack();
    shoe_->AddStandardPack();
    shoe_->Shuffle();
}

CBlackjackScreen::Card CBlackjackScreen::DealTo(int x, int y, bool faceUp, bool sound) {
    Card card = shoe_->DealCard();
    if (card == nullptr) {
        NewShoe();
        card = shoe_->DealCard();
    }
    card->MoveTo(x, y);
    card->SetFaceUp(faceUp);
    card->BringToFront();
    card->Show(true);
    if (sound) game.Play(Sound::CardDeal);
    return card;
}

int CBlackjackScreen::OnBet(intptr_t* args) {
    const int bet = static_cast<int>(args[2]);
    if (table_.InHand() || bet < 1 || bet > kBetButtons || bet > Holdings()) return 0;
    if (shoe_->Count() < BlackjackTable::kShoeLowWater) NewShoe();
    SetInHand(true);
    for (auto& hand : hands_) hand.clear();
    dealer_.clear();
    DrawHoldings();
    SelectBet(bet);
    for (auto& button : bets_) button->Disable();
    for (int row = kDealerRow; row < BlackjackTable::kMaxHands; ++row) ClearRow(row);

    // Dealt now in the table's order, shown one by one by the sequence.
    hands_[0].push_back(shoe_->DealCard());
    hands_[0].push_back(shoe_->DealCard());
    dealer_.push_back(shoe_->DealCard());
    dealer_.push_back(shoe_->DealCard());
    table_.Deal(bet, hands_[0][0]->Value(), hands_[0][1]->Value(), dealer_[0]->Value(), dealer_[1]->Value());
    ShowFace(Face::LooksDown);
    Request(Sequence::InitialDeal);
    return 0;
}

int CBlackjackScreen::OnHit(intptr_t* /*args*/) {
    if (sequence_ != Sequence::Idle || !table_.InHand()) return 0;
    const int h = table_.CurrentHand();
    auto& hand = hands_[static_cast<size_t>(h)];
    hand.push_back(DealTo(HandCardX(static_cast<int>(hand.size())), HandY(h), true, true));
    const BlackjackStep step = table_.Hit(hand.back()->Value());
    DrawHand(h);
    UpdateDoubleSplit();
    ShowFace(Face::Smug);
    Follow(step);
    return 0;
}

int CBlackjackScreen::OnStand(intptr_t* /*args*/) {
    if (sequence_ != Sequence::Idle || !table_.InHand()) return 0;
    Follow(table_.Stand());
    return 0;
}

int CBlackjackScreen::OnDouble(intptr_t* /*args*/) {
    if (sequence_ != Sequence::Idle || !table_.CanDouble()) return 0;
    SetActions(false);
    double_->Disable();
    Request(Sequence::Double);
    return 0;
}

int CBlackjackScreen::OnSplit(intptr_t* /*args*/) {
    if (sequence_ != Sequence::Idle || !table_.CanSplit()) return 0;
    SetActions(false);
    double_->Disable();
    split_->Disable();
    Request(Sequence::Split);
    return 0;
}

void CBlackjackScreen::Request(Sequence sequence) {
    sequence_ = sequence;
    requested_ = true;
    if (sequence == Sequence::InitialDeal || sequence == Sequence::NextHand) SetActions(false);
}

void CBlackjackScreen::Tick(uint32_t now) {
    now_ = now;
    if (sequence_ == Sequence::Idle) return;
    if (requested_) {
        requested_ = false;
        lastStep_ = now;
        step_ = 0;
        if (sequence_ == Sequence::Split) {
            const Card& moving = hands_[static_cast<size_t>(table_.CurrentHand())][1];
            moving->BringToFront();
            glideFromX_ = HandCardX(1);
            glideFromY_ = HandY(table_.CurrentHand());
        }
        return;
    }
    if (sequence_ == Sequence::Split) {
        SplitGlide();
        return;
    }
    if (now - lastStep_ <= kStepMs) return;
    lastStep_ = now;
    Step();
}

void CBlackjackScreen::Step() {
    const int h = table_.CurrentHand();
    switch (sequence_) {
        case Sequence::InitialDeal: {
            // Player, dealer, player, and the dealer's hole card face down.
            Card& card =
                step_ % 2 == 0 ? hands_[0][static_cast<size_t>(step_ / 2)] : dealer_[static_cast<size_t>(step_ / 2)];
            card->MoveTo(HandCardX(step_ / 2), step_ % 2 == 0 ? HandY(0) : kDealerY);
            card->SetFaceUp(step_ != 3);
            card->BringToFront();
            card->Show(true);
            game.Play(Sound::CardDeal);
            if (++step_ < 4) return;
            sequence_ = Sequence::Idle;
            UpdateDoubleSplit();
            SetActions(true);
            ShowFace(Face::Smug);
            const BlackjackStep next = table_.AfterInitialDeal();
            DrawHand(0);
            if (table_.DealerNatural()) {
                TurnHoleCard();
                DrawDealer();
                SettleRound();
                return;
            }
            Follow(next);
            return;
        }
        case Sequence::Double: {
            auto& hand = hands_[static_cast<size_t>(h)];
            hand.push_back(DealTo(HandCardX(static_cast<int>(hand.size())), HandY(h), true, true));
            sequence_ = Sequence::Idle;
            const BlackjackStep next = table_.Double(hand.back()->Value());
            UpdateDoubleSplit();
            DrawHand(h);
            Follow(next);
            return;
        }
        case Sequence::NextHand: {
            const int next = h + 1;
            auto& hand = hands_[static_cast<size_t>(next)];
            for (const Card& card : hand) card->BringToFront();
            hand.push_back(DealTo(HandCardX(1), HandY(next), true, false));
            sequence_ = Sequence::Idle;
            const BlackjackStep step = table_.NextHand(hand.back()->Value());
            UpdateDoubleSplit();
            SetActions(true);
            ShowFace(Face::Smug);
            DrawHand(next);
            Follow(step);
            return;
        }
        case Sequence::DealerPlay: {
            if (step_++ == 0) {
                TurnHoleCard();
            } else {
                const int n = static_cast<int>(dealer_.size());
                dealer_.push_back(DealTo(DealerX(n), DealerY(n), true, true));
                table_.DealerTake(dealer_.back()->Value());
            }
            DrawDealer();
            if (table_.DealerDecides()) return;
            sequence_ = Sequence::Idle;
            DrawDealer();
            SettleRound();
            return;
        }
        case Sequence::Split:
        case Sequence::Idle: return;
    }
}

void CBlackjackScreen::SplitGlide() {
    const int h = table_.CurrentHand();
    const int k = table_.HandCount();
    Card& moving = hands_[static_cast<size_t>(h)][1];
    const uint32_t elapsed = now_ - lastStep_;
    const int toY = HandY(k);
    if (elapsed < kGlideMs) {
        const int t = static_cast<int>(elapsed);
        const int x = std::max(kHandX, glideFromX_ + (kHandX - glideFromX_) * t / static_cast<int>(kGlideMs));
        moving->MoveTo(x, glideFromY_ + (toY - glideFromY_) * t / static_cast<int>(kGlideMs));
        return;
    }
    moving->MoveTo(kHandX, toY);
    if (elapsed < kGlideMs + kSettleAfterGlideMs) return;
    sequence_ = Sequence::Idle;
    hands_[static_cast<size_t>(k)].push_back(std::move(moving));
    hands_[static_cast<size_t>(h)].pop_back();
    auto& hand = hands_[static_cast<size_t>(h)];
    hand.push_back(DealTo(HandCardX(1), HandY(h), true, false));
    const BlackjackStep step = table_.Split(hand.back()->Value());
    UpdateDoubleSplit();
    SetActions(true);
    ShowFace(Face::Smug);
    DrawHand(h);
    Follow(step);
}

void CBlackjackScreen::Follow(BlackjackStep step) {
    switch (step) {
        case BlackjackStep::PlayerActs: SetActions(true); return;
        case BlackjackStep::NextHand: Request(Sequence::NextHand); return;
        case BlackjackStep::DealerPlays: DealerTurn(); return;
        case BlackjackStep::SettleNow:
            TurnHoleCard();
            DrawDealer();
            SettleRound();
            return;
    }
}

void CBlackjackScreen::DealerTurn() {
    for (auto& bet : bets_) bet->Disable();
    SetActions(false);
    double_->Disable();
    split_->Disable();
    Request(Sequence::DealerPlay);
}

void CBlackjackScreen::TurnHoleCard() {
    if (dealer_.size() < 2 || dealer_[1]->FaceUp()) return;
    dealer_[1]->SetFaceUp(true);
    game.Play(Sound::CardFlip);
}

void CBlackjackScreen::SettleRound() {
    const std::vector<HandResult> results = table_.Settle();
    int change = 0;
    for (size_t i = 0; i < results.size(); ++i) {
        const HandResult& result = results[i];
        const int row = static_cast<int>(i);
        if (result.natural || result.fiveCards) DrawNaturalOrFive(row, result.natural);
        switch (result.outcome) {
            case Outcome::Win:
                change += result.amount;
                DrawResult(row, Amount("Win %d", result.amount).c_str());
                ShowFace(Face::Mad);
                break;
            case Outcome::Lose:
                change -= result.amount;
                DrawResult(row, Amount("Lose %d", result.amount).c_str());
                ShowFace(Face::Laughs);
                break;
            case Outcome::Push:
                DrawResult(row, "Push");
                ShowFace(Face::Smug);
                break;
        }
    }
    sequence_ = Sequence::Idle;
    Settle(change);
    SetActions(false);
    double_->Disable();
    split_->Disable();
    EnableBetsByHoldings();
}

void CBlackjackScreen::SetActions(bool hitStand) {
    if (hitStand) {
        hit_->Enable();
        stand_->Enable();
    } else {
        hit_->Disable();
        stand_->Disable();
    }
}

void CBlackjackScreen::UpdateDoubleSplit() {
    if (table_.CanDouble())
        double_->Enable();
    else
        double_->Disable();
    if (table_.CanSplit())
        split_->Enable();
    else
        split_->Disable();
}

void CBlackjackScreen::ClearRow(int row) {
    if (row == kDealerRow) {
        Grey(8, 100, 52, 130);
        return;
    }
    Grey(8, ResultY(row), 52, ResultY(row) + 42);
}

void CBlackjackScreen::DrawValue(int row, int value) {
    const int y = ValueY(row);
    Grey(8, y - 4, 52, y + 20);
    if (value < 0 || canvas == nullptr) return;
    const std::string text = std::to_string(value);
    DrawMarkupTextF(canvas, 27 - TextWidth(*canvas, *factory, text, 14, true) / 2, y, "<S2><c000000><b>%s",
                    text.c_str());
}

void CBlackjackScreen::DrawLabel(int row, const char* label) {
    const int y = LabelY(row);
    Grey(8, y - 4, 52, y + 20);
    if (canvas == nullptr) return;
    DrawMarkupTextF(canvas, 27 - TextWidth(*canvas, *factory, label, 12, true) / 2, y, "<S3><c000000><b>%s", label);
}

void CBlackjackScreen::DrawNaturalOrFive(int row, bool natural) {
    const int y = LabelY(row);
    Grey(8, y - 4, 52, y + 20);
    if (canvas == nullptr) return;
    DrawMarkupText(canvas, natural ? "<S3><c000000><b>Black" : "<S3><c000000><b>Cave", natural ? 11 : 13, y - 4);
    DrawMarkupText(canvas, natural ? "<S3><c000000><b>jack" : "<S3><c000000><b>Rule", natural ? 15 : 14, y + 6);
}

void CBlackjackScreen::DrawResult(int row, const char* text) {
    const int y = ResultY(row);
    Grey(8, y, 52, y + 15);
    if (canvas == nullptr) return;
    DrawMarkupTextF(canvas, 27 - TextWidth(*canvas, *factory, text, 12, true) / 2, y, "<S3><c660000><b>%s", text);
}

void CBlackjackScreen::DrawHand(int hand) {
    const BlackjackHand& state = table_.Hand(hand);
    if (state.natural || state.fiveCards)
        DrawNaturalOrFive(hand, state.natural);
    else if (state.busted)
        DrawLabel(hand, "Bust!");
    else
        DrawValue(hand, state.Value());
}

void CBlackjackScreen::DrawDealer() {
    if (table_.DealerNatural())
        DrawNaturalOrFive(kDealerRow, true);
    else if (table_.DealerBusted())
        DrawLabel(kDealerRow, "Bust");
    else
        DrawValue(kDealerRow, table_.DealerCards().size() > 1 && !dealer_[1]->FaceUp() ? -1 : table_.DealerValue());
}

}  // namespace torvimble
