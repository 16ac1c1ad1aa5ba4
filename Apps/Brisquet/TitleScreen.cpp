#include "Apps/Brisquet/TitleScreen.h"

#include <string>

#include "Apps/Brisquet/BrisquetTexts.h"
#include "Apps/Brisquet/LevelSelectScreen.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace brisquet {
namespace {

constexpr int kTickMs = 200;
constexpr int kRingLeft = 40;
constexpr int kStaffTop = 270;
constexpr int kStaffStep = 15;
constexpr int kHeadingPoints = 18;

}  // namespace

CTitleScreen::CTitleScreen(CBrisquetApplet& owner)
    : CBrisquetScreen(owner), heading_(*canvas, kTitleHeading, 180, 240, kHeadingPoints, "<S1></U></B></I>") {
    canvas->ClearToColor(0, 0, 0);
    if (IImage* title = game.TitlePicture()) canvas->DrawAt(title, 100, 40);
    for (size_t i = 0; i < kStaffLines.size(); ++i) {
        const int column = static_cast<int>(i / 4);
        const int y = kStaffTop + kStaffStep * static_cast<int>(i % 4);
        const std::string line = "<S3></U></B></I><cffffff>" + std::string(kStaffLines[i]);
        DrawMarkupTextOld(canvas, line.c_str(), column == 0 ? 80 : 250, y);
    }
    DrawMarkupTextOld(canvas, "<S2><cffffff>Click anywhere to play...", 165, 340);
    ring_ = std::make_unique<CBubbleRing>(game, *gameArea, kRingLeft, this, Forward<&CTitleScreen::OnClick>);
    clickListener_.Reset(factory->AddListener(gameArea, applet::kClick, this, Forward<&CTitleScreen::OnClick>));
    timer_.Reset(factory->CreateTimer(this, kTickMs, Forward<&CTitleScreen::OnTick>));
    if (timer_) timer_->Start();
}

CTitleScreen::~CTitleScreen() {
    timer_.Reset();
    clickListener_.Reset();
    ring_.reset();
}

int CTitleScreen::OnTick(intptr_t* /*args*/) {
    ring_->Turn();
    canvas->SetCurColor(0, 0, 0);
    canvas->FillRect(160, 220, 300, 263);
    heading_.Draw(*canvas, game.Random());
    return 0;
}

int CTitleScreen::OnClick(intptr_t* /*args*/) { return game.SetScreen(this, new CLevelSelectScreen(game)); }

}  // namespace brisquet
