// The base of Glimtide's screens: a screen that draws on the game area and knows the game.
#pragma once

#include "Apps/Common/Screen.h"
#include "Apps/Glimtide/GlimtideApplet.h"

namespace glimtide {

using CGlimtideScreen = CGameScreen<CGlimtideApplet>;

}  // namespace glimtide
