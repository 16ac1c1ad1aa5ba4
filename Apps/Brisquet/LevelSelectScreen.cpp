#include "Apps/Brisquet/LevelSelectScreen.h"

#include "Apps/Brisquet/BestLevel.h"
#include "Apps/Brisquet/BrisquetTexts.h"
#include "Apps/Brisquet/PlayScreen.h"
#include "Apps/Brisquet/TitleScreen.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace brisquet {
namespace {

constexpr int kTickMs = 20;
constexpr int kPauseMs = 1000;
constexpr int kPoppedMs = 500;
constexpr int kStep = 4;
constexpr int kStartY = 280;
constexpr int kFloorY = 380;
constexpr int kLeftStart = 55;
constexpr int kRightStart = 413;
constexpr int kMeetX = 218;
constexpr int kGoneX = -32;
constexpr int kBubble = 32;

struct LevelButton {
    const char* label;
    int x, y;
};
constexpr std::array<LevelButton, kBandCount> kLevelButtons = {{
    {"Beginner (Screens 1-10)", 168, 310},
    {"Intermediate (Screens 11-20)", 156, 330},
    {"Advanced (Screens 21-30)", 166, 350},
}};

}  // namespace

CLevelSelectScreen::CLevelSelectScreen(CBrisquetApplet& owner) : CBrisquetScreen(owner) {
    canvas->ClearToColor(0, 0, 0);
    if (IImage* title = game.TitlePicture()) canvas->DrawAt(title, 100, 40);
    DrawMarkupTextOld(canvas, kSelectTrademark.data(), 0, 165);
    DrawMarkupTextOld(canvas,
                      "<cffffff><S3><B><C>Clear each screen by popping bubbles and see how far you can get.</c>", 0,
                      200);
    DrawMarkupTextOld(canvas, "<c>Click your mouse to pop the bubbles in groups of the same color.</c>", 0, 215);
    DrawMarkupTextOld(canvas, "<c>In advanced screens the black bubble pops all the bubbles around it.</c>", 0, 230);
    DrawMarkupTextOld(canvas, "<C6666ff><S1><b><c>Select the level to play:</b></c>", 0, 280);
    // Every band is offered: the stored best level only tells how far the player has come.
    for (size_t band = 0; band < kLevelButtons.size(); ++band) {
        const LevelButton& b = kLevelButtons[band];
        buttons_[band] = AttachedSurface(gameArea, game.MakeTextButton(gameArea, b.label, b.x, b.y, static_cast<int>(band),
                                                                       14, this, Forward<&CLevelSelectScreen::OnLevel>));
    }
    timer_.Reset(factory->CreateTimer(this, kTickMs, Forward<&CLevelSelectScreen::OnTick>));
    if (timer_) timer_->Start();
    Globals().services->SetStopMode(kStopFreely);
}

CLevelSelectScreen::~CLevelSelectScreen() {
    timer_.Reset();
    DropBubbles();
    for (AttachedSurface& white : whites_) white.Reset();
    for (AttachedSurface& button : buttons_) button.Reset();
}

int CLevelSelectScreen::OnLevel(intptr_t* args) {
    const int screen = BandFirstScreen(static_cast<int>(args[1]));
    return StartScreen(game, this, screen);
}

void CLevelSelectScreen::DropBubbles() {
    for (auto& listener : listeners_) listener.Reset();
    for (AttachedSurface& bubble : bubbles_) bubble.Reset();
}

void CLevelSelectScreen::NewKinds() {
    for (int& kind : game.DemoKinds()) kind = game.Random().Next() % 4;
}

void CLevelSelectScreen::MoveBubbles(int dxLeft, int dxRight, int dy) {
    x_[0] += dxLeft;
    x_[1] += dxRight;
    y_ += dy;
    for (size_t side = 0; side < bubbles_.size(); ++side)
        if (ISurface* bubble = bubbles_[side].Get()) bubble->SetLoc(x_[side], y_, nullptr);
}

int CLevelSelectScreen::OnTick(intptr_t* args) {
    const intptr_t elapsed = args[1];
    switch (state_) {
        case Demo::Make: {
            x_ = {kLeftStart, kRightStart};
            y_ = kStartY;
            const AppletCallback clicks[2] = {Forward<&CLevelSelectScreen::OnLeftBubble>,
                                              Forward<&CLevelSelectScreen::OnRightBubble>};
            for (size_t side = 0; side < bubbles_.size(); ++side) {
                ISurface* bubble = game.MakeBubble(*gameArea, game.DemoKinds()[side] + 1, x_[side], y_);
                bubbles_[side] = AttachedSurface(gameArea, bubble);
                if (bubble != nullptr) listeners_[side].Reset(factory->AddListener(bubble, applet::kClick, this, clicks[side]));
            }
            state_ = Demo::Pause;
            return 0;
        }
        case Demo::Pause:
            if (elapsed < kPauseMs) return 0;
            clicked_ = {};
            timer_->Restart();
            state_ = Demo::Fall;
            return 0;
        case Demo::Fall:
            MoveBubbles(0, 0, kStep);
            if (y_ < kFloorY) return 0;
            timer_->Restart();
            state_ = Demo::RollIn;
            return 0;
        case Demo::RollIn:
            MoveBubbles(kStep, -kStep, 0);
            if (x_[0] < kMeetX) return 0;
            timer_->Restart();
            if (game.DemoKinds()[0] == game.DemoKinds()[1]) {
                whites_[0] = AttachedSurface(gameArea, game.MakeBubble(*gameArea, kWhiteKind, kMeetX, kFloorY));
                whites_[1] = AttachedSurface(gameArea, game.MakeBubble(*gameArea, kWhiteKind, kMeetX + kBubble - 1, kFloorY));
                DropBubbles();
                state_ = Demo::Popped;
            } else {
                state_ = Demo::RollOut;
            }
            return 0;
        case Demo::Popped:
            if (elapsed <= kPoppedMs) return 0;
            for (AttachedSurface& white : whites_) white.Reset();
            NewKinds();
            timer_->Restart();
            state_ = Demo::Make;
            return 0;
        case Demo::RollOut:
            MoveBubbles(-kStep, kStep, 0);
            if (x_[0] > kGoneX) return 0;
            NewKinds();
            timer_->Restart();
            DropBubbles();
            state_ = Demo::Make;
            return 0;
    }
    return 0;
}

int CLevelSelectScreen::Clicked(int side) {
    if (clicked_[static_cast<size_t>(1 - side)]) return game.SetScreen(this, new CTitleScreen(game));
    if (state_ == Demo::Pause) clicked_[static_cast<size_t>(side)] = true;
    return 0;
}

int CLevelSelectScreen::OnLeftBubble(intptr_t* /*args*/) { return Clicked(0); }
int CLevelSelectScreen::OnRightBubble(intptr_t* /*args*/) { return Clicked(1); }

}  // namespace brisquet
