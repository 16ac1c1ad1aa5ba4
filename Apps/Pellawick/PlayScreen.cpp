#include "Apps/Pellawick/PlayScreen.h"

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Pellawick/BestPlayers.h"
#include "Apps/Pellawick/PanelText.h"
#include "Apps/Pellawick/TitleScreen.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ITimer.h"

namespace pellawick {
namespace {

constexpr int kTickMs = 20;
constexpr int kHeld = 0x80;
constexpr int kSpace = 32;
// The arrows as the shell's own key codes, in the order of Arrow.
constexpr int kArrowKeys[] = {applet::kKeyArrowUp, applet::kKeyArrowDown, applet::kKeyLeft, applet::kKeyRight};
// Virtual keys of the arrows, left, up, right, down: they act through the polling only.
constexpr int kFirstArrowKey = 37, kLastArrowKey = 40;
constexpr Arrow kArrowOfKey[] = {Arrow::Left, Arrow::Up, Arrow::Right, Arrow::Down};

struct PlayAgainButton {
    const char* label;
    char key;
    int x, y;
};
constexpr PlayAgainButton kPlayAgain[] = {
    {"(N)ew Game", 'N', 11, 104}, {"(T)ry Stadium Again", 'T', 11, 124}, {"(Q)uit", 'Q', 11, 144}};

}  // namespace

CPlayScreen::CPlayScreen(CPellawickApplet& owner)
    : CPellawickScreen(owner), model_([&owner] { return owner.Rand(); }), pictures_(*factory) {
    const ModuleGlobals& globals = Globals();
    model_.NewGame(now_);
    Show();
    timer_.Reset(factory->CreateTimer(this, kTickMs, Forward<&CPlayScreen::OnTick>));
    if (timer_) timer_->Start();
    keys_.Reset(factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CPlayScreen::OnKey>));
    globals.services->SetStopMode(kStopAsk);
}

// The panel and the stadium's surfaces go before the pictures they show.
CPlayScreen::~CPlayScreen() {
    panel_.reset();
    view_.reset();
}

int CPlayScreen::OnTick(intptr_t* args) {
    now_ = static_cast<int>(args[2]);
    PollArrows();
    model_.Tick(now_);
    Show();
    return 0;
}

void CPlayScreen::PollArrows() {
    ArrowRepeat::Keys held{};
    for (size_t i = 0; i < held.size(); ++i)
        held[i] = tapped_[i] || (Globals().services->IsKeyDown(kArrowKeys[i]) & kHeld) != 0;
    tapped_ = {};
    const ArrowRepeat::Keys act = arrows_.Poll(held, now_);
    for (size_t i = 0; i < act.size(); ++i)
        if (act[i]) model_.ArrowPressed(static_cast<Arrow>(i), now_);
}

int CPlayScreen::OnKey(intptr_t* args) {
    const int key = static_cast<int>(args[2]);
    if (key >= kFirstArrowKey && key <= kLastArrowKey) {
        tapped_[static_cast<size_t>(kArrowOfKey[key - kFirstArrowKey])] = true;
        return 0;
    }
    if (key == kSpace || (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z')) {
        model_.KeyDown(static_cast<char>(key), now_);
        Show();
    }
    return 0;
}

int CPlayScreen::OnPanelButton(intptr_t* args) {
    model_.KeyDown(static_cast<char>(args[2]), now_);
    Show();
    return 0;
}

int CPlayScreen::OnPanelUp(intptr_t*) { return 0; }

bool CPlayScreen::Show() {
    const Stadium& stadium = model_.GetStadium();
    if (&stadium != viewed_ || view_ == nullptr) {
        panel_.reset();
        panelShown_ = Panel::None;
        view_.reset();
        view_ = std::make_unique<CStadiumView>(game, stadium, pictures_);
        viewed_ = &stadium;
    }
    view_->Sync(stadium, now_);
    for (const Sound sound : model_.TakeSounds()) game.Play(sound);
    if (model_.TakeHighScoreEntry()) {
        const ModuleGlobals& globals = Globals();
        EnterBestPlayer(*globals.services, *globals.settings, stadium.GetSeller().score);
    }
    if (model_.TitleRequested()) {
        game.SetScreen(this, new CTitleScreen(game));
        return false;
    }
    if (model_.GetPanel() != panelShown_) OpenPanel();
    return true;
}

void CPlayScreen::OpenPanel() {
    panel_.reset();
    panelShown_ = model_.GetPanel();
    if (panelShown_ == Panel::None) return;
    const PanelText text = PanelFor(model_);
    std::vector<::PanelLine> lines;
    for (const pellawick::PanelLine& line : text.lines) lines.push_back({line.x, line.y, line.text});
    panel_ = std::make_unique<CMessagePanel>(game, text.left, text.top, text.right - text.left,
                                             text.bottom - text.top, CPellawickApplet::MessagePanelStyle(), lines,
                                             this, Forward<&CPlayScreen::OnPanelUp>);
    if (text.playAgainButtons)
        for (const PlayAgainButton& b : kPlayAgain)
            panel_->AddButton(b.label, b.x, b.y, b.key, this, Forward<&CPlayScreen::OnPanelButton>);
}

}  // namespace pellawick
