// The base of the screens a title screen's typed code opens (the staff list, the hidden page):
// the picture of the game area to draw on while being built, "Return to Game" back to a fresh
// title screen, and the 100 ms timer that keeps the screen's pace.
#pragma once

#include <cstdint>

#include "Apps/Common/Applet.h"
#include "Apps/Common/Screen.h"
#include "Apps/Common/ShellRef.h"

class IImage;
class ITimer;

// The game's title screen, as the side screens return to it.
using TitleScreenMaker = CScreen* (*)(CApplet& app);

class CSideScreen : public CAppletScreen {
public:
    ~CSideScreen() override;

    int ReturnToGame(intptr_t* args);

protected:
    // Clears the game area to `fill`.
    CSideScreen(CApplet& app, uint32_t fill, const TextButtonStyle& button, TitleScreenMaker makeTitle);
    // Null when the game area has no picture.
    IImage* Canvas() const { return canvas_.Get(); }
    // The screen is built: the canvas goes, the timer starts.
    void Finish();

private:
    TitleScreenMaker makeTitle_;
    ShellRef<IImage> canvas_;
    AttachedSurface button_;
    ShellRef<ITimer> timer_;
};
