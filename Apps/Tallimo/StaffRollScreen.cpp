#include "Apps/Tallimo/StaffRollScreen.h"

#include <string>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PictureFile.h"
#include "Apps/Tallimo/Conveyor.h"
#include "Apps/Tallimo/PlayScreen.h"
#include "Apps/Tallimo/TitleScreen.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ITimer.h"

namespace tallimo {
namespace {

constexpr int kRollTruckX = 98;

int64_t SpawnAt(int i) { return int64_t{kRollSpawnMs} * i; }

}  // namespace

CStaffRollScreen::CStaffRollScreen(CTallimoApplet& owner) : CGameScreen(owner) {
    const ModuleGlobals& globals = Globals();
    faces_.Reset(LoadPicture("slb-faces.gif"));
    for (int& kind : kinds_) kind = game.Rand() % kBallKinds;
    truck_.Reset(game.MakeTruck(2));
    timer_.Reset(factory->CreateTimer(this, kPlayTickMs, Forward<&CStaffRollScreen::OnTick>));
    if (timer_) timer_->Start();
    keys_.Reset(factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CStaffRollScreen::OnKey>));
    globals.services->SetStopMode(kStopFreely);
}

void CStaffRollScreen::DrawRollBall(IImage& target, int i, int x, int y, int64_t ms) const {
    const int face = FaceCell(i);
    if (face < 0 || !faces_) {
        game.DrawBall(target, kinds_[static_cast<size_t>(i)], x, y, ms);
        return;
    }
    const int cell[4] = {32 * face, 0, 32 * face + 32, 32};
    const int place[4] = {x, y, x + 32, y + 32};
    target.Draw(place, faces_.Get(), cell);
}

int CStaffRollScreen::OnTick(intptr_t* args) {
    const int64_t t = args[1];
    if (canvas == nullptr) return 0;
    while (made_ < kRollBalls && t >= SpawnAt(made_)) ++made_;
    canvas->ClearToColor(kYardR, kYardG, kYardB);
    DrawMarkupTextOld(canvas, "<S1><C000000>The Rivakel Team:", 250, 120);
    DrawMarkupTextOld(canvas, "<S3><C000000>press any key...", 50, 130);
    game.DrawBelt(*canvas, 0, kBeltY, t);
    for (int i = landed_; i < made_; ++i) {
        const int64_t onBelt = t - SpawnAt(i);
        const int64_t falling = onBelt - kRollBeltMs;
        if (falling < 0) {
            DrawRollBall(*canvas, i, static_cast<int>(onBelt * kBeltLength / kRollBeltMs), 3, t);
            continue;
        }
        if (!RollEntryAt(i).name.empty()) name_ = RollEntryAt(i).name;
        const int y = static_cast<int>(falling * kFallHeight / kRollFallMs) + 3;
        if (y < kFallHeight || i != landed_) {
            DrawRollBall(*canvas, i, kBeltLength, std::min(y, kFallHeight), t);
            continue;
        }
        const int column = RollEntryAt(i).column;
        int& n = inColumn_[static_cast<size_t>(column)];
        if (truck_ && n < kShelves) DrawRollBall(*truck_, i, ColumnX(0, column), ShelfY(n), 0);
        ++n;
        ++landed_;
    }
    if (!name_.empty()) {
        const std::string line = "<S1><C000000>" + std::string(name_);
        DrawMarkupTextOld(canvas, line.c_str(), 250, 150);
    }
    if (truck_) canvas->DrawAt(truck_.Get(), kRollTruckX, kTruckY);
    return 0;
}

int CStaffRollScreen::OnKey(intptr_t* /*args*/) {
    game.SetScreen(this, new CTitleScreen(game));
    return 0;
}

}  // namespace tallimo
