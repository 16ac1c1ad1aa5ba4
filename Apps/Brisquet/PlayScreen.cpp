#include "Apps/Brisquet/PlayScreen.h"

#include <string>

#include "Apps/Common/CentredText.h"
#include "Apps/Brisquet/FinalScreen.h"
#include "Apps/Brisquet/LevelSelectScreen.h"
#include "Apps/Brisquet/PromotionScreen.h"
#include "Apps/Common/BouncingBubbleView.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ModuleGlobals.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace brisquet {
namespace {

constexpr int kBoardX = 30;
constexpr int kBoardY = 50;
constexpr int kPopMs = 200;
constexpr int kPanelLeft = 295;
constexpr int kPanelWidth = 205;
constexpr int kPanelTop = 140;
// The board's right rail reaches into the panel's span: messages are cleared right of it.
constexpr int kRailEnd = 301;
constexpr int kPanelBottom = 300;
constexpr int kHeadingY = 150;
constexpr int kLineStep = 16;
constexpr int kCelebrationMs = 30;

// The frame's cells in the edge strip.
enum Edge { kTopLeft, kTopRight, kBottomRight, kBottomLeft, kLeft, kRight, kTop, kBottom };

}  // namespace

int StartScreen(CBrisquetApplet& game, CScreen* from, int screen) {
    if (!game.LoadLevel(screen)) {
        const std::string text = "Screen " + std::to_string(screen) +
                                 " of Brisquet is missing or damaged and cannot be played.\nPlease install the game again.";
        Globals().services->MessageBox(kDisplayName, text.c_str(), kBoxExclamation);
        return game.SetScreen(from, new CLevelSelectScreen(game));
    }
    return game.SetScreen(from, new CPlayScreen(game));
}

CPlayScreen::CPlayScreen(CBrisquetApplet& owner) : CBrisquetScreen(owner), board_(*owner.Board()) {
    board_.Restart();
    Globals().services->SetStopMode(kStopAsk);
    canvas->ClearToColor(0, 0, 0);
    BubbleViewStyle style;
    style.originX = kBoardX;
    style.originY = kBoardY;
    style.popMs = kPopMs;
    style.hideWhilePopping = false;
    style.idleMs = 0;
    grid_ = std::make_unique<CBubbleGrid>(*factory, *gameArea, board_.Grid(), game.BubbleArt(), style, *this,
                                          [this] { return game.Random().Next(); });
    if (IImage* small = game.SmallTitle()) canvas->DrawAt(small, 320, 42);
    DrawBoardFrame();
    MakeButton(kReset, "Reset Screen", 310, 18, Forward<&CPlayScreen::OnReset>);
    MakeButton(kTryAgain, "Try Again", 310, 18, Forward<&CPlayScreen::OnReset>);
    MakeButton(kKeepGoing, "Keep Going", 310, 18, Forward<&CPlayScreen::OnKeepGoing>);
    MakeButton(kHint, "Get a Hint", 340, 14, Forward<&CPlayScreen::OnHint>);
    buttons_[kTryAgain]->SetVisible(false, nullptr);
    buttons_[kKeepGoing]->SetVisible(false, nullptr);
}

CPlayScreen::~CPlayScreen() {
    timer_.Reset();
    continueListener_.Reset();
    celebrationBubbles_.clear();
    for (AttachedSurface& button : buttons_) button.Reset();
    grid_.reset();
}

void CPlayScreen::DrawBoardFrame() {
    IImage* strip = game.BoardEdge();
    for (int x = 32; x <= 284; x += 16) {
        BlitStripCell(strip, kTop, canvas, x, 36);
        BlitStripCell(strip, kBottom, canvas, x, 372);
    }
    for (int y = 52; y <= 363; y += 16) {
        BlitStripCell(strip, kLeft, canvas, 16, y);
        BlitStripCell(strip, kRight, canvas, 285, y);
    }
    BlitStripCell(strip, kTopLeft, canvas, 16, 36);
    BlitStripCell(strip, kTopRight, canvas, 285, 36);
    BlitStripCell(strip, kBottomRight, canvas, 285, 372);
    BlitStripCell(strip, kBottomLeft, canvas, 16, 372);
}

void CPlayScreen::MakeButton(Button which, const char* label, int y, int pointSize, AppletCallback callback) {
    const int x = CentredX({kPanelLeft, kPanelWidth}, TextWidth(*canvas, *factory, label, pointSize, true));
    buttons_[which] = AttachedSurface(gameArea, game.MakeTextButton(gameArea, label, x, y, which, pointSize, this, callback));
}

void CPlayScreen::ShowOnly(Button which) {
    for (size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]) buttons_[i]->SetVisible(static_cast<size_t>(which) == i, nullptr);
}

void CPlayScreen::ClearPanel() {
    canvas->SetCurColor(0, 0, 0);
    canvas->FillRect(kRailEnd, kPanelTop, kPanelLeft + kPanelWidth, kPanelBottom);
}

void CPlayScreen::DrawPanelText(const char* text, int pointSize, bool bold, int y) {
    DrawCentredText(*canvas, *factory, text, pointSize, bold, 0xFFFFFF, {kPanelLeft, kPanelWidth}, y);
}

int CPlayScreen::OnReset(intptr_t* /*args*/) { return game.SetScreen(this, new CPlayScreen(game)); }

int CPlayScreen::OnKeepGoing(intptr_t* /*args*/) { return StartScreen(game, this, board_.Screen() + 1); }

int CPlayScreen::OnHint(intptr_t* /*args*/) {
    if (over_) return 0;
    game.Play(Sound::Hint);
    ClearPanel();
    DrawPanelText("Here's a Hint", 18, true, kHeadingY);
    int y = kHeadingY + 30;
    for (const std::string& line : board_.LoadedLevel().hints) {
        DrawPanelText(line.c_str(), 12, false, y);
        y += kLineStep;
    }
    return 0;
}

int CPlayScreen::OnContinueClicked(intptr_t* /*args*/) {
    if (!continueListener_) return 0;
    game.Play(Sound::Argh);
    continueListener_.Reset();
    return game.SetScreen(this, new CPlayScreen(game));
}

void CPlayScreen::OnBubbleClicked(int column, int row) {
    if (continueListener_) {
        OnContinueClicked(nullptr);
        return;
    }
    ClickOutcome outcome = board_.Click(column, row);
    switch (outcome.result) {
        case ClickResult::Ignored: return;
        case ClickResult::NoMove: game.Play(Sound::NoClick); return;
        case ClickResult::GroupPopped:
            grid_->PopMarked(std::move(outcome.popping));
            game.Play(Sound::BubbleDisappear);
            return;
        case ClickResult::Blasted:
            grid_->PopMarked(std::move(outcome.popping));
            game.Play(Sound::NoClick);
            return;
    }
}

void CPlayScreen::OnBoardChanged() {
    if (over_) return;
    switch (board_.CheckBoardState()) {
        case ScreenState::Playing: return;
        case ScreenState::KeepGoing: ShowCleared(); return;
        case ScreenState::DeadEnd: ShowDeadEnd(); return;
        case ScreenState::Promotion:
            over_ = true;
            game.SetScreen(this, new CPromotionScreen(game, board_.Screen() + 1));
            return;
        case ScreenState::GameWon:
            over_ = true;
            game.SetScreen(this, new CFinalScreen(game));
            return;
    }
}

void CPlayScreen::ShowCleared() {
    over_ = true;
    ShowOnly(kKeepGoing);
    game.Play(Sound::LevelComplete);
    ClearPanel();
    DrawPanelText("Woo Hoo!", 18, true, kHeadingY);
    int y = 195;
    for (const std::string& line : KeepGoingLines(board_.Screen())) {
        DrawPanelText(line.c_str(), 12, true, y);
        y += kLineStep;
    }
    celebration_ = std::make_unique<Celebration>(board_.Screen(), [this] { return game.Random().Next(); });
    for (const BouncingBubble& bubble : celebration_->Bubbles()) {
        ISurface* surface = game.MakeBubble(*gameArea, bubble.kind, bubble.x, bubble.y);
        // They fly over the panel: its button stays clickable through them.
        if (surface != nullptr) surface->SetNoHit(true);
        celebrationBubbles_.emplace_back(gameArea, surface);
    }
    timer_.Reset(factory->CreateTimer(this, kCelebrationMs, Forward<&CPlayScreen::OnTick>));
    if (timer_) timer_->Start();
}

int CPlayScreen::OnTick(intptr_t* /*args*/) {
    if (celebration_ == nullptr) return 0;
    celebration_->Tick();
    PlaceBubbleSurfaces(celebration_->Bubbles(), celebrationBubbles_);
    return 0;
}

void CPlayScreen::ShowDeadEnd() {
    over_ = true;
    game.Play(Sound::DeadEnd);
    ClearPanel();
    DrawPanelText("Sorry", 18, true, kHeadingY);
    DrawPanelText("No more bubbles", 12, true, 180);
    DrawPanelText("can be destroyed.", 12, true, 196);
    DrawPanelText("Click to try again.", 12, true, 212);
    ShowOnly(kTryAgain);
    continueListener_.Reset(factory->AddListener(gameArea, applet::kClick, this, Forward<&CPlayScreen::OnContinueClicked>));
}

}  // namespace brisquet
