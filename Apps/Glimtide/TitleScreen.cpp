#include "Apps/Glimtide/TitleScreen.h"

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/HiddenPageScreen.h"
#include "Apps/Glimtide/PlayScreen.h"
#include "Apps/Glimtide/StaffList.h"
#include "Apps/Glimtide/TopPlayers.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"

namespace glimtide {
namespace {

struct TitleButton {
    const char* label;
    int x, y;
};
constexpr TitleButton kButtons[] = {{"Easy", 113, 260}, {"Medium", 210, 260}, {"Hard", 340, 260}, {"Enjoy the Show", 180, 300}};

constexpr const char* kInstructions[] = {
    "<s2><cffffff><b>Watch the fireworks as they explode</b>",
    "<s2><cffffff><b>over the city.  Try to match the order in</b>",
    "<s2><cffffff><b>which they explode by clicking on the</b>",
    "<s2><cffffff><b>fireworks icons at the bottom of the</b>",
    "<s2><cffffff><b>screen.  Good luck!</b>",
};

}  // namespace

CTitleScreen::CTitleScreen(CGlimtideApplet& owner) : CGlimtideScreen(owner) {
    const ModuleGlobals& globals = Globals();
    game.Play(Sound::GameOpen);
    if (canvas != nullptr) {
        canvas->ClearToColor(0, 0, 0);
        if (IImage* title = game.GetPicture(Picture::TitleScreen)) canvas->DrawAt(title, 0, 0);
    }
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const TitleButton& b = kButtons[i];
        buttons_[i] = AttachedSurface(gameArea, game.MakeTextButton(gameArea, b.label, b.x, b.y, static_cast<int>(i), 18,
                                                                    this, Forward<&CTitleScreen::OnChoose>));
    }
    keyListener_.Reset(
        factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CTitleScreen::CheckTypedCode>));
    if (canvas != nullptr) {
        WriteDefaultScores(*globals.settings);
        DrawTopPlayers(canvas, *globals.settings, *factory);
        DrawMarkupText(canvas, "<s1><cffff00><b><u>Top Players</u></b>", 320, 7);
        int y = 130;
        for (const char* line : kInstructions) {
            DrawMarkupText(canvas, line, 210, y);
            y += 18;
        }
    }
    globals.services->SetStopMode(kStopFreely);
}

int CTitleScreen::OnChoose(intptr_t* args) {
    const int choice = static_cast<int>(args[2]);
    if (choice < 0 || choice > static_cast<int>(Level::Show)) return 0;
    game.SetScreen(this, new CPlayScreen(game, static_cast<Level>(choice)));
    return 0;
}

int CTitleScreen::CheckTypedCode(intptr_t* args) {
    const int key = static_cast<int>(args[2]);
    const bool staff = staffCode_.Feed(key);
    const bool hidden = hiddenCode_.Feed(key);
    if (staff) {
        game.SetScreen(this, new CStaffScreen(game, GlimtideStaffStyle()));
    } else if (hidden) {
        game.Play(Sound::GameOver);
        game.SetScreen(this, new CHiddenPageScreen(game, GlimtideHiddenPageStyle()));
    }
    return 0;
}

CScreen* MakeTitleScreen(CApplet& app) { return new CTitleScreen(static_cast<CGlimtideApplet&>(app)); }

}  // namespace glimtide
