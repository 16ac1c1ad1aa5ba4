// The title screen: "Play Ball!", how to play, the five best players and the typed code that
// opens the staff list.
#pragma once

#include <cstdint>

#include "Apps/Common/ShellRef.h"
#include "Apps/Common/TypedCodeMatcher.h"
#include "Apps/Pellawick/PellawickScreen.h"

class IEventListener;

namespace pellawick {

class CTitleScreen final : public CPellawickScreen {
public:
    explicit CTitleScreen(CPellawickApplet& owner);

    int OnPlayBall(intptr_t* args);
    int CheckTypedCode(intptr_t* args);

private:
    AttachedSurface playBall_;
    ShellRef<IEventListener> keyListener_;
    CTypedCodeMatcher staffCode_{"plumtag", true};
};

// A fresh title screen, as the staff list and the play screen return to it.
CScreen* MakeTitleScreen(CApplet& app);

}  // namespace pellawick
