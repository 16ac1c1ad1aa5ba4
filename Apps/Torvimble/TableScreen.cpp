#include "Apps/Torvimble/TableScreen.h"

#include <cstdio>

#include "Apps/Common/DrawMarkupTextF.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Torvimble/TitleScreen.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ITimer.h"

namespace torvimble {
namespace {

constexpr int kTickMs = 50;
constexpr std::array<const char*, 6> kFaces = {"img-oggosleep-75x75.gif",    "img-oggolaugh-75x75.gif",
                                               "img-oggomad-75x75.gif",      "img-oggosmug01-75x75.gif",
                                               "img-oggolookdown-75x75.gif", "img-oggosmug-75x75.gif"};
constexpr int kStopAsk = 1;
constexpr int kNoteFlags = kBoxExclamation | 1;
constexpr int kQuestionFlags = kBoxExclamation | kBoxOkCancel;

}  // namespace

CTableScreen::CTableScreen(CTorvimbleApplet& owner, FaceSpot face) : CTorvimbleScreen(owner), face_(face) {
    game.Play(Sound::GameStart);
    DrawPicture("img-background-500x420.gif", 0, 0);
    menu_ = game.MakeButton("btn-MainMenu-76x24.gif", CTorvimbleApplet::Looks::Three, 415, 360, 0, false, this,
                            Forward<&CTableScreen::OnMainMenu>);
    timer_.Reset(factory->CreateTimer(this, kTickMs, Forward<&CTableScreen::OnTimer>));
    if (timer_) timer_->Start();
}

CTableScreen::~CTableScreen() {
    if (timer_) timer_->Stop();
    game.HideMarker();
}

void CTableScreen::DrawPicture(const char* name, int x, int y) {
    if (IImage* picture = game.Picture(name); picture != nullptr && canvas != nullptr) canvas->DrawAt(picture, x, y);
}

void CTableScreen::Grey(int left, int top, int right, int bottom) {
    if (canvas == nullptr) return;
    canvas->SetCurColor(0x99, 0x99, 0x99);
    canvas->FillRect(left, top, right, bottom);
}

void CTableScreen::ShowFace(Face face) {
    Grey(face_.x, face_.y, face_.right, face_.bottom);
    DrawPicture(kFaces[static_cast<size_t>(face)], face_.x, face_.y);
    if (face == Face::Laughs) game.Play(Sound::Laugh);
    if (face == Face::Mad) game.Play(Sound::Win);
}

void CTableScreen::DrawHoldings() {
    Grey(365, 10, 490, 30);
    if (canvas != nullptr) DrawMarkupTextF(canvas, 365, 10, "<S1><b><c000000>%d Clams</b>", Holdings());
    game.UpdateTopRocks(game.Profile().Name(), Holdings());
}

void CTableScreen::ShowMessage(const std::string& text) {
    Grey(105, 395, 300, 412);
    if (canvas == nullptr || text.empty()) return;
    const int width = TextWidth(*canvas, *factory, text, 14, false);
    DrawMarkupTextF(canvas, 195 - width / 2, 395, "<S2><C000000><B>%s</B>", text.c_str());
}

void CTableScreen::SetInHand(bool inHand) { Globals().services->SetStopMode(inHand ? kStopAsk : kStopFreely); }

void CTableScreen::Settle(int change) {
    const bool gift = game.Profile().Apply(change, game);
    SetInHand(false);
    if (gift)
        Globals().services->MessageBox(
            "Out of clams!", "Seems like you're out of clams, so here's 100 to\nhelp you out. Don't cave in yet!",
            kNoteFlags);
    DrawHoldings();
}

void CTableScreen::MakeBets(AppletCallback onBet, const std::array<BetSpot, kBetButtons>& spots) {
    for (int i = 0; i < kBetButtons; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "btn-bet%d-34x34.gif", i + 1);
        const BetSpot spot = spots[static_cast<size_t>(i)];
        bets_[static_cast<size_t>(i)] =
            game.MakeButton(name, CTorvimbleApplet::Looks::Five, spot.x, spot.y, i + 1, true, this, onBet);
    }
}

void CTableScreen::MakeBetRow(AppletCallback onBet) {
    std::array<BetSpot, kBetButtons> row{};
    for (int i = 0; i < kBetButtons; ++i) row[static_cast<size_t>(i)] = {97 + 42 * i, 353};
    MakeBets(onBet, row);
}

void CTableScreen::SelectBet(int bet) {
    for (int k = 1; k <= kBetButtons; ++k) {
        ImageButton& button = *bets_[static_cast<size_t>(k - 1)];
        if (k == bet)
            button.Select();
        else
            button.Deselect();
    }
}

void CTableScreen::EnableBetsByHoldings() {
    for (int k = 1; k <= kBetButtons; ++k) {
        ImageButton& button = *bets_[static_cast<size_t>(k - 1)];
        if (Holdings() >= k)
            button.Enable();
        else
            button.Disable();
    }
}

// Leaving in the middle of a hand loses its stakes for good: they are taken, stored and
// entered in "Top Rocks" before the table goes, and the gift is given as after any hand.
int CTableScreen::OnMainMenu(intptr_t* /*args*/) {
    const int stake = StakeInPlay();
    if (stake > 0) {
        if (Globals().services->MessageBox("Return to Main Menu", "Do you want to leave the current hand?",
                                           kQuestionFlags) != applet::kBoxOk)
            return 0;
        Settle(-stake);
        stakeTaken_ = true;
    }
    game.SetScreen(this, MakeTitleScreen(game));
    return 0;
}

void CTableScreen::ForfeitStake() {
    const int stake = StakeInPlay();
    if (stake > 0 && !stakeTaken_) game.Profile().Apply(-stake, game);
    stakeTaken_ = true;
}

int CTableScreen::OnTimer(intptr_t* args) {
    Tick(static_cast<uint32_t>(args[2]));
    return 0;
}

}  // namespace torvimble
