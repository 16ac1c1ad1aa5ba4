#include "Apps/Vintrel/StaffScreen.h"

#include <array>
#include <string>
#include <string_view>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Vintrel/TitleScreen.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ITimer.h"

namespace vintrel {
namespace {

constexpr int kTickMs = 20;
constexpr int kBlobs = 10;
constexpr int kFirstNameY = 60;
constexpr int kNameStep = 20;
constexpr std::array<std::string_view, 8> kStaffNames = {
    "Orla Penhallow - Producer",     "Tamsin Quarrie - Game Design", "Ivo Braddock - Programming",
    "Nell Vasquero - Art",           "Cosmo Hurrell - Sound",        "Pip Aldermoor - Testing",
    "Juno Castellane - Help Pages",  "and every blob in the pond",
};

}  // namespace

CStaffScreen::CStaffScreen(CVintrelApplet& owner)
    : CVintrelScreen(owner), rand_([&owner] { return owner.Rand(); }), view_(owner, *factory, *gameArea) {
    for (int i = 0; i < kBlobs; ++i) blobs_.push_back(CBaddie::OnStaffScreen(rand_));
    view_.ShowBaddies(blobs_);
    if (canvas != nullptr) {
        if (IImage* pond = game.PondPicture()) canvas->DrawAt(pond, 0, 0);
        DrawMarkupText(canvas, "<S2><c><b><c000000><u>The Rivakel Team</b></c></u>", 0, 30);
        int y = kFirstNameY;
        for (const std::string_view name : kStaffNames) {
            const std::string line = "<S3><c><b><cFFFFFF>" + std::string(name) + "</b></c>";
            DrawMarkupText(canvas, line.c_str(), 0, y);
            y += kNameStep;
        }
    }
    done_ = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Done", 428, 385, 1, 18, ButtonLook::Staff, this,
                                                          Forward<&CStaffScreen::OnDone>));
    timer_.Reset(factory->CreateTimer(this, kTickMs, Forward<&CStaffScreen::OnTick>));
    if (timer_) timer_->Start();
}

CStaffScreen::~CStaffScreen() {
    timer_.Reset();
    view_.Clear();
}

int CStaffScreen::OnTick(intptr_t* args) {
    for (CBaddie& blob : blobs_) blob.Step(static_cast<int64_t>(args[2]), rand_, true);
    view_.ShowBaddies(blobs_);
    return 0;
}

int CStaffScreen::OnDone(intptr_t*) { return game.SetScreen(this, MakeTitleScreen(game)); }

}  // namespace vintrel
