#include "Apps/Pellawick/TitleScreen.h"

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/StaffScreen.h"
#include "Apps/Pellawick/BestPlayers.h"
#include "Apps/Pellawick/PlayScreen.h"
#include "Apps/Pellawick/StaffList.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"

namespace pellawick {
namespace {

struct TextAt {
    const char* text;
    int x, y;
};
// The lines start a little left of x 180, so the longest keeps clear of the panel's right edge.
constexpr int kHowToPlayX = 172;
constexpr TextAt kHowToPlay[] = {
    {"<c000000><s1><b>How to Play</b><c000000><s3>", 280, 315},
    {"Move Wick up and down the aisle with the UP/DOWN", kHowToPlayX, 337},
    {"cursor keys. Throw left and right with the LEFT/RIGHT", kHowToPlayX, 351},
    {"cursor keys. On higher levels, select food to throw with 'A',", kHowToPlayX, 367},
    {"'S', or 'D'.  Visit the supply station at the bottom of the", kHowToPlayX, 382},
    {"stadium to stock up on food to sell.  Good luck!", kHowToPlayX, 397},
};

StaffScreenStyle StaffStyle() {
    StaffScreenStyle style;
    style.fill = 0x66CCFF;
    style.heading = StaffHeading();
    style.names = StaffNames();
    style.button = CPellawickApplet::ButtonStyle();
    style.makeTitle = MakeTitleScreen;
    return style;
}

}  // namespace

CTitleScreen::CTitleScreen(CPellawickApplet& owner) : CPellawickScreen(owner) {
    const ModuleGlobals& globals = Globals();
    if (canvas != nullptr) {
        canvas->ClearToColor(0, 0, 0);
        if (IImage* title = game.GetPicture(Picture::Title)) canvas->DrawAt(title, 0, 0);
        for (const TextAt& line : kHowToPlay) DrawMarkupText(canvas, line.text, line.x, line.y);
        DrawBestPlayers(*canvas, *factory, *globals.settings);
    }
    playBall_ = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Play Ball!", 50, 144, 0, 24, this,
                                                              Forward<&CTitleScreen::OnPlayBall>));
    keyListener_.Reset(
        factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CTitleScreen::CheckTypedCode>));
    globals.services->SetStopMode(kStopFreely);
}

int CTitleScreen::OnPlayBall(intptr_t*) {
    game.SetScreen(this, new CPlayScreen(game));
    return 0;
}

int CTitleScreen::CheckTypedCode(intptr_t* args) {
    if (staffCode_.Feed(static_cast<int>(args[2]))) {
        static const StaffScreenStyle style = StaffStyle();
        game.SetScreen(this, new CStaffScreen(game, style));
    }
    return 0;
}

CScreen* MakeTitleScreen(CApplet& app) { return new CTitleScreen(static_cast<CPellawickApplet&>(app)); }

}  // namespace pellawick
