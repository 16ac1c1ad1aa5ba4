// The title screen: the levels, the endless show, the instructions, the best of each level and
// the two typed codes that open the staff list and the hidden page.
#pragma once

#include <array>
#include <cstdint>

#include "Apps/Common/ShellRef.h"
#include "Apps/Common/TypedCodeMatcher.h"
#include "Apps/Glimtide/GlimtideScreen.h"

class IEventListener;

namespace glimtide {

class CTitleScreen final : public CGlimtideScreen {
public:
    explicit CTitleScreen(CGlimtideApplet& owner);

    // A level's button (its id is the level) or the show's.
    int OnChoose(intptr_t* args);
    int CheckTypedCode(intptr_t* args);

private:
    std::array<AttachedSurface, 4> buttons_;
    ShellRef<IEventListener> keyListener_;
    CTypedCodeMatcher staffCode_{"plumtag", true};
    CTypedCodeMatcher hiddenCode_{"MOSSBRICK", false};
};

// A fresh title screen, as the staff list and the hidden page return to it.
CScreen* MakeTitleScreen(CApplet& app);

}  // namespace glimtide
