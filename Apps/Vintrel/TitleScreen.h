// The title screen: the title picture with its strip of blobs rolling along the bottom, "Top
// Vintrels", "Start" with its three seconds of pond filling in, and the two typed codes (the
// staff screen and invincibility).
#pragma once

#include <cstdint>

#include "Apps/Common/ShellRef.h"
#include "Apps/Common/TypedCodeMatcher.h"
#include "Apps/Vintrel/VintrelScreen.h"

class IEventListener;
class ITimer;

namespace vintrel {

class CTitleScreen final : public CVintrelScreen {
public:
    explicit CTitleScreen(CVintrelApplet& owner);
    ~CTitleScreen() override;

    int OnStart(intptr_t* args);
    int OnStartTimer(intptr_t* args);
    int CheckTypedCode(intptr_t* args);

private:
    AttachedSurface strip_;
    AttachedSurface start_;
    AttachedSurface startAnimation_;
    ShellRef<IEventListener> keyListener_;
    ShellRef<ITimer> startTimer_;
    bool starting_ = false;
    CTypedCodeMatcher staffCode_{"plumtag", true};
    CTypedCodeMatcher immuneCode_{"QUARTZOVEN", false};
};

// A fresh title screen, as the staff screen and "No" return to it.
CScreen* MakeTitleScreen(CApplet& app);

}  // namespace vintrel
