// The title screen: the logo, the seven starting levels, "Start the Game", the money table, the
// objective and controls, and the typed code that opens the staff roll.
#pragma once

#include <array>
#include <cstdint>

#include "Apps/Common/Screen.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Common/TypedCodeMatcher.h"
#include "Apps/Tallimo/LevelTable.h"
#include "Apps/Tallimo/TallimoApplet.h"

class IEventListener;

namespace tallimo {

class CTitleScreen final : public CGameScreen<CTallimoApplet> {
public:
    explicit CTitleScreen(CTallimoApplet& owner);

    int OnChoice(intptr_t* args);
    int OnStart(intptr_t* args);
    int OnKey(intptr_t* args);

private:
    void DrawChoice();

    int choice_ = 0;
    std::array<AttachedSurface, kLevelChoices> choices_;
    AttachedSurface start_;
    ShellRef<IEventListener> keys_;
    CTypedCodeMatcher staffCode_{"plumtag", true};
};

}  // namespace tallimo
