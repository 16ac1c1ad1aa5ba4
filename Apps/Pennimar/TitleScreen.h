// The title screen: the logo, "Top Farmers", the five levels to start at, the demo of a fence
// being laid, the instructions and the typed code that opens the staff list.
#pragma once

#include <array>
#include <cstdint>

#include "Apps/Common/ShellRef.h"
#include "Apps/Common/TypedCodeMatcher.h"
#include "Apps/Pennimar/PennimarScreen.h"
#include "Apps/Pennimar/StaffNames.h"

class IEventListener;
class ITimer;

namespace pennimar {

class CTitleScreen final : public CPennimarScreen {
public:
    explicit CTitleScreen(CPennimarApplet& owner);
    ~CTitleScreen() override;

    // A level button: its id is the choice 0 to 4.
    int OnChoose(intptr_t* args);
    int CheckTypedCode(intptr_t* args);

private:
    std::array<AttachedSurface, 5> buttons_;
    AttachedSurface demo_;
    ShellRef<IEventListener> keyListener_;
    ShellRef<ITimer> timer_;
    CTypedCodeMatcher staffCode_{kStaffCode, true};
};

// A fresh title screen, as the staff list returns to it.
CScreen* MakeTitleScreen(CApplet& app);

}  // namespace pennimar
