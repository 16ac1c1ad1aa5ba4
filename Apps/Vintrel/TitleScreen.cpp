#include "Apps/Vintrel/TitleScreen.h"

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Vintrel/PlayScreen.h"
#include "Apps/Vintrel/StaffScreen.h"
#include "Apps/Vintrel/TopVintrels.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IAnim.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace vintrel {
namespace {

constexpr int kStripY = 330;
constexpr int kStartTimerMs = 100;
constexpr int kStartMs = 3000;

AttachedSurface AttachAnimation(IShellFactory& factory, ISurface& area, IImageSeq* sequence, int x, int y) {
    if (sequence == nullptr) return {};
    const ShellRef<IAnim> anim(factory.CreateAnim(sequence));
    ISurface* surface = anim ? factory.CreateSurfaceFromAnim(anim.Get(), 0) : nullptr;
    if (surface == nullptr) return {};
    surface->SetLoc(x, y, nullptr);
    surface->SetNoHit(true);
    area.AttachSurface(surface);
    surface->StartAnim();
    return AttachedSurface(&area, surface);
}

}  // namespace

CTitleScreen::CTitleScreen(CVintrelApplet& owner) : CVintrelScreen(owner) {
    const ModuleGlobals& globals = Globals();
    game.Play(Sound::GameOpen);
    game.immune = false;
    if (canvas != nullptr) canvas->ClearToColor(153, 153, 204);
    strip_ = AttachAnimation(*factory, *gameArea, game.GetSequence(Sequence::TitleStrip), 0, kStripY);
    if (canvas != nullptr) {
        if (IImage* title = game.Title()) canvas->DrawAt(title, 0, 0);
        DrawMarkupText(canvas, "<C000000><S1><b><u>Top Vintrels</u></b>", 50, 187);
        DrawTopVintrels(*canvas, *globals.settings, *factory);
    }
    start_ = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Start", 250, 190, -1, 24, ButtonLook::Start,
                                                           this, Forward<&CTitleScreen::OnStart>));
    keyListener_.Reset(
        factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CTitleScreen::CheckTypedCode>));
    startTimer_.Reset(factory->CreateTimer(this, kStartTimerMs, Forward<&CTitleScreen::OnStartTimer>));
    globals.services->SetStopMode(kStopFreely);
}

CTitleScreen::~CTitleScreen() { startTimer_.Reset(); }

int CTitleScreen::OnStart(intptr_t*) {
    if (starting_) return 0;
    starting_ = true;
    startAnimation_ = AttachAnimation(*factory, *gameArea, game.GetSequence(Sequence::Start), 0, 0);
    game.Play(Sound::GameStart);
    if (startTimer_)
        startTimer_->Start();
    else
        game.SetScreen(this, new CPlayScreen(game));
    return 0;
}

int CTitleScreen::OnStartTimer(intptr_t* args) {
    if (args[2] <= kStartMs) return 0;
    startTimer_->Stop();
    startAnimation_.Reset();
    game.SetScreen(this, new CPlayScreen(game));
    return 0;
}

int CTitleScreen::CheckTypedCode(intptr_t* args) {
    if (starting_) return 0;
    const int key = static_cast<int>(args[2]);
    const bool staff = staffCode_.Feed(key);
    if (immuneCode_.Feed(key)) game.immune = true;
    if (staff) game.SetScreen(this, new CStaffScreen(game));
    return 0;
}

CScreen* MakeTitleScreen(CApplet& app) { return new CTitleScreen(static_cast<CVintrelApplet&>(app)); }

}  // namespace vintrel
