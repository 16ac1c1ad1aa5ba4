#include "Apps/Pennimar/TitleScreen.h"

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/StaffScreen.h"
#include "Apps/Pennimar/LevelTable.h"
#include "Apps/Pennimar/PlayScreen.h"
#include "Apps/Pennimar/TopFarmers.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IAnim.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace pennimar {
namespace {

struct LevelButton {
    const char* label;
    int x;
};
constexpr LevelButton kButtons[] = {{"Very Easy", 34}, {"Easy", 142}, {"Medium", 211}, {"Hard", 305}, {"Very Hard", 370}};
constexpr int kButtonY = 212;

constexpr const char* kInstructions[] = {
    "<s3><c000000><b>Set up fences to create closed sections</b>",
    "<s3><c000000><b>and expand your farmland.</b>",
    "<s3><c000000><b>Move around using the arrow keys.  To</b>",
    "<s3><c000000><b>start a new fence, hold the shift key and</b>",
    "<s3><c000000><b>an arrow key at the same time.</b>",
    "<s3><c000000><b>Beware!  If an animal touches you or the</b>",
    "<s3><c000000><b>fence before you close a section off,</b>",
    "<s3><c000000><b>you lose a life.</b>",
};

const StaffScreenStyle& PennimarStaffStyle() {
    static const StaffScreenStyle style = [] {
        StaffScreenStyle s;
        s.fill = 0xCC9966;
        s.heading = kStaffHeading;
        s.names = kStaffNames;
        s.button = CPennimarApplet::ButtonStyle(18);
        s.makeTitle = MakeTitleScreen;
        return s;
    }();
    return style;
}

}  // namespace

CTitleScreen::CTitleScreen(CPennimarApplet& owner) : CPennimarScreen(owner) {
    const ModuleGlobals& globals = Globals();
    game.Play(Sound::GameOpen);
    WriteDefaultFarmers(*globals.settings);
    if (canvas != nullptr) {
        canvas->ClearToColor(204, 153, 102);
        if (IImage* logo = game.GetPicture(Picture::Logo)) canvas->DrawAt(logo, 2, 4);
        DrawMarkupText(canvas, "<s1><c990000><b>Top Farmers</b>", 315, 7);
        DrawTopFarmers(*canvas, *globals.settings, *factory);
        DrawMarkupText(canvas, "<s0><c990000><b><c>Select Level to Play</b></c>", 0, 178);
        int y = 260;
        for (const char* line : kInstructions) {
            DrawMarkupText(canvas, line, 244, y);
            y += 18;
        }
    }
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i] = AttachedSurface(gameArea, game.MakeTextButton(gameArea, kButtons[i].label, kButtons[i].x, kButtonY,
                                                                    static_cast<int>(i), 18, this,
                                                                    Forward<&CTitleScreen::OnChoose>));
    }
    if (IAnim* demo = game.Demo()) {
        if (ISurface* surface = factory->CreateSurfaceFromAnim(demo, 0)) {
            surface->SetLoc(16, 270, nullptr);
            gameArea->AttachSurface(surface);
            demo_ = AttachedSurface(gameArea, surface);
            surface->StartAnim();
        }
    }
    keyListener_.Reset(
        factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CTitleScreen::CheckTypedCode>));
    timer_.Reset(factory->CreateTimer(this, 50, NullTickThunk));
    if (timer_) timer_->Start();
    globals.services->SetStopMode(kStopFreely);
}

// The applet keeps the demo for the next title screen; it stops with this one.
CTitleScreen::~CTitleScreen() {
    if (demo_) demo_->StopAnim();
}

int CTitleScreen::OnChoose(intptr_t* args) {
    const int choice = static_cast<int>(args[2]);
    if (choice < 0 || choice >= static_cast<int>(buttons_.size())) return 0;
    game.SetScreen(this, new CPlayScreen(game, LevelTable::StartLevel(choice)));
    return 0;
}

int CTitleScreen::CheckTypedCode(intptr_t* args) {
    if (staffCode_.Feed(static_cast<int>(args[2]))) game.SetScreen(this, new CStaffScreen(game, PennimarStaffStyle()));
    return 0;
}

CScreen* MakeTitleScreen(CApplet& app) { return new CTitleScreen(static_cast<CPennimarApplet&>(app)); }

}  // namespace pennimar
