// The title screen: the sea, the instructions playing, the table of best divers, "Dive In!" and
// the two typed codes that open the staff list and the hidden page.
#pragma once

#include <cstdint>

#include "Apps/Common/ShellRef.h"
#include "Apps/Common/TypedCodeMatcher.h"
#include "Apps/Aurelsk/AurelskScreen.h"

class IEventListener;

namespace aurelsk {

class CTitleScreen final : public CAurelskScreen {
public:
    explicit CTitleScreen(CAurelskApplet& owner);

    int OnDiveIn(intptr_t* args);
    int CheckTypedCode(intptr_t* args);

private:
    AttachedSurface instructions_;
    AttachedSurface diveIn_;
    ShellRef<IEventListener> keyListener_;
    CTypedCodeMatcher staffCode_{"plumtag", true};
    CTypedCodeMatcher hiddenCode_{"KELPWHIRL", false};
};

// A fresh title screen, as the staff list, the hidden page and "Quit?" return to it.
CScreen* MakeTitleScreen(CApplet& app);

}  // namespace aurelsk
