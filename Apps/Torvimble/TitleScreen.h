// The title screen: the three tables, the player's name and holdings, "Top Rocks", Reset My
// Profile, Change Player, and the two typed codes that open the staff screen and the hidden page.
#pragma once

#include <array>
#include <cstdint>

#include "Apps/Common/ShellRef.h"
#include "Apps/Common/TypedCodeMatcher.h"
#include "Apps/Torvimble/TorvimbleScreen.h"

class IEventListener;

namespace torvimble {

class CTitleScreen final : public CTorvimbleScreen {
public:
    explicit CTitleScreen(CTorvimbleApplet& owner);

    // A table's button: its id says which.
    int OnTable(intptr_t* args);
    int OnResetProfile(intptr_t* args);
    int OnChangePlayer(intptr_t* args);
    int CheckTypedCode(intptr_t* args);

private:
    void DrawPlayerName();
    void DrawTopRocks();

    std::array<AttachedSurface, 5> buttons_;
    ShellRef<IEventListener> keyListener_;
    CTypedCodeMatcher staffCode_{"plumtag", true};
    CTypedCodeMatcher hiddenCode_{"MOSSBRICK", false};
};

// A fresh title screen, as the tables and the side screens return to it.
CScreen* MakeTitleScreen(CApplet& app);

}  // namespace torvimble
