// The hidden page a typed code opens on the title screen: the employee of the month and a few
// words about him, with "Return to Game".
#pragma once

#include <cstdint>

#include "Apps/Glimtide/GlimtideScreen.h"

class ISurface;
class ITimer;

namespace glimtide {

class CHiddenPageScreen final : public CGlimtideScreen {
public:
    explicit CHiddenPageScreen(CGlimtideApplet& owner);
    ~CHiddenPageScreen() override;

    int ReturnToGame(intptr_t* args);

private:
    ISurface* button_ = nullptr;
    ITimer* timer_ = nullptr;
};

}  // namespace glimtide
