// The menu: the Grumbo Challenge, random swamps by difficulty, a swamp picked by its number, the
// "Biggest Grumbos", the challenger's line with Reset Challenge and Change Challenger, and the
// typed code of the staff list.
#pragma once

#include <array>
#include <cstdint>

#include "Apps/Common/ShellRef.h"
#include "Apps/Common/TypedCodeMatcher.h"
#include "Apps/Grumbolt/GrumboltScreen.h"

class IEventListener;

namespace grumbolt {

class CTitleScreen final : public CGrumboltScreen {
public:
    explicit CTitleScreen(CGrumboltApplet& owner);

    int OnReset(intptr_t* args);
    int OnChangePlayer(intptr_t* args);
    // The button's value: 0 the challenge, 256 x d a random swamp, 65535 a swamp by number.
    int OnPlay(intptr_t* args);
    int CheckTypedCode(intptr_t* args);

private:
    void DrawPlayerLine();
    void DrawHighScoreTable();

    AttachedSurface jump_;
    std::array<AttachedSurface, 7> buttons_;
    ShellRef<IEventListener> keyListener_;
    CTypedCodeMatcher staffCode_{"plumtag", true};
};

// A fresh title screen, as the staff list and the ends of the challenge return to it.
CScreen* MakeTitleScreen(CApplet& app);

}  // namespace grumbolt
