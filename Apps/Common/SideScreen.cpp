#include "Apps/Common/ImageColour.h"
#include "Apps/Common/SideScreen.h"

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ModuleGlobals.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ITimer.h"

CSideScreen::CSideScreen(CApplet& owner, uint32_t fill, const TextButtonStyle& button, TitleScreenMaker makeTitle)
    : CAppletScreen(owner), makeTitle_(makeTitle) {
    const ModuleGlobals& globals = Globals();
    globals.gameArea->GetImage(canvas_.Out());
    if (canvas_) ClearToColour(*canvas_, fill);
    button_ = AttachedSurface(globals.gameArea,
                              app.MakeTextButton(globals.gameArea, "Return to Game", 348, 397, 0, 18, this,
                                                 Forward<&CSideScreen::ReturnToGame>, button));
}

CSideScreen::~CSideScreen() = default;

void CSideScreen::Finish() {
    canvas_.Reset();
    timer_.Reset(Globals().factory->CreateTimer(this, 100, NullTickThunk));
    if (timer_) timer_->Start();
}

int CSideScreen::ReturnToGame(intptr_t* /*args*/) {
    if (makeTitle_ == nullptr) return 0;
    app.SetScreen(this, makeTitle_(app));
    return 0;
}
