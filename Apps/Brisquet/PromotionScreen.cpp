#include "Apps/Brisquet/PromotionScreen.h"

#include <string>

#include "Apps/Common/CentredText.h"
#include "Apps/Brisquet/PlayScreen.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ModuleGlobals.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IImage.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace brisquet {
namespace {

constexpr int kTickMs = 200;
constexpr int kRingLeft = 42;
constexpr int kHeadingPoints = 24;
constexpr int kWidth = 500;

}  // namespace

CPromotionScreen::CPromotionScreen(CBrisquetApplet& owner, int nextScreen)
    : CBrisquetScreen(owner),
      nextScreen_(nextScreen),
      heading_(*canvas, "Congratulations", 102, 235, kHeadingPoints, "<S0></U></b></I>") {
    game.Play(Sound::Promotion);
    canvas->ClearToColor(0, 0, 0);
    if (IImage* title = game.TitlePicture()) canvas->DrawAt(title, 100, 40);
    const bool toAdvanced = nextScreen > 20;
    game.Promote(nextScreen);
    DrawLine(std::string("You have made it past the ") + (toAdvanced ? "Intermediate" : "Beginner") + " level.", 270);
    if (!Globals().settings->IsInstalled()) {
        DrawLine("Don't forget to Save Rivakel to your desktop so", 290);
        DrawLine(std::string("you can start at the ") + (toAdvanced ? "Advanced" : "Intermediate") + " level next time.",
                 308);
    }
    DrawLine("Click anywhere to continue..", 332);
    ring_ = std::make_unique<CBubbleRing>(game, *gameArea, kRingLeft, this, Forward<&CPromotionScreen::OnClick>);
    clickListener_.Reset(factory->AddListener(gameArea, applet::kClick, this, Forward<&CPromotionScreen::OnClick>));
    timer_.Reset(factory->CreateTimer(this, kTickMs, Forward<&CPromotionScreen::OnTick>));
    if (timer_) timer_->Start();
}

CPromotionScreen::~CPromotionScreen() {
    timer_.Reset();
    clickListener_.Reset();
    ring_.reset();
}

void CPromotionScreen::DrawLine(const std::string& text, int y) {
    DrawCentredText(*canvas, *factory, text, 14, true, 0xFFFFFF, {0, kWidth}, y);
}

int CPromotionScreen::OnTick(intptr_t* /*args*/) {
    ring_->Turn();
    canvas->SetCurColor(0, 0, 0);
    canvas->FillRect(100, 220, 480, 263);
    heading_.Draw(*canvas, game.Random());
    return 0;
}

int CPromotionScreen::OnClick(intptr_t* /*args*/) { return StartScreen(game, this, nextScreen_); }

}  // namespace brisquet
