// The base of the game's screens: the canvas screen with the game's own root object.
#pragma once

#include "Apps/Common/Screen.h"
#include "Games/Dunmoro/DunmoroApplet.h"

namespace dunmoro {

inline constexpr int kGreenR = 51, kGreenG = 153, kGreenB = 0;

class CDunmoroScreen : public CCanvasScreen {
protected:
    explicit CDunmoroScreen(CDunmoroApplet& owner) : CCanvasScreen(owner), game(owner) {}
    // Detaches a surface this screen put on `parent` and releases it; nothing for null.
    static void Discard(ISurface* parent, ISurface*& surface);
    // An OK and Cancel question with the warning sign; true for OK.
    static bool Confirmed(const char* caption, const char* text);

    CDunmoroApplet& game;
};

}  // namespace dunmoro
