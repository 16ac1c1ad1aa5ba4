#include "Apps/Aurelsk/TitleScreen.h"

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/HiddenPageScreen.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/StaffScreen.h"
#include "Apps/Aurelsk/PlayScreen.h"
#include "Apps/Aurelsk/SidePages.h"
#include "Apps/Aurelsk/TopDivers.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IAnim.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"

namespace aurelsk {
namespace {

constexpr int kInstructionsX = 10, kInstructionsY = 107;

}  // namespace

CTitleScreen::CTitleScreen(CAurelskApplet& owner) : CAurelskScreen(owner) {
    const ModuleGlobals& globals = Globals();
    if (canvas != nullptr) {
        canvas->ClearToColor(0, 102, 255);
        if (IImage* title = game.GetPicture(Picture::TitleScreen)) canvas->DrawAt(title, 0, 0);
    }
    game.Play(Sound::GameOpen);
    if (IImageSeq* sequence = game.GetSequence(Sequence::TitleInstructions)) {
        const ShellRef<IAnim> anim(factory->CreateAnim(sequence));
        if (ISurface* surface = anim ? factory->CreateSurfaceFromAnim(anim.Get(), 0) : nullptr) {
            surface->SetLoc(kInstructionsX, kInstructionsY, nullptr);
            surface->SetNoHit(true);
            gameArea->AttachSurface(surface);
            instructions_ = AttachedSurface(gameArea, surface);
            surface->StartAnim();
        }
    }
    if (canvas != nullptr) {
        WriteDefaultDivers(*globals.settings);
        DrawTopDivers(*canvas, *globals.settings, *factory);
    }
    diveIn_ = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Dive In!", 216, 392, 1, 14, this,
                                                            Forward<&CTitleScreen::OnDiveIn>));
    keyListener_.Reset(
        factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CTitleScreen::CheckTypedCode>));
    globals.services->SetStopMode(kStopFreely);
}

int CTitleScreen::OnDiveIn(intptr_t*) {
    game.SetScreen(this, new CPlayScreen(game));
    return 0;
}

int CTitleScreen::CheckTypedCode(intptr_t* args) {
    const int key = static_cast<int>(args[2]);
    const bool staff = staffCode_.Feed(key);
    const bool hidden = hiddenCode_.Feed(key);
    if (staff)
        game.SetScreen(this, new CStaffScreen(game, AurelskStaffStyle()));
    else if (hidden)
        game.SetScreen(this, new CHiddenPageScreen(game, AurelskHiddenPageStyle()));
    return 0;
}

CScreen* MakeTitleScreen(CApplet& app) { return new CTitleScreen(static_cast<CAurelskApplet&>(app)); }

}  // namespace aurelsk
