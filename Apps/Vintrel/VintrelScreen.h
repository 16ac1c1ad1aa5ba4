// The base of Vintrel's screens: a screen that draws on the game area and knows the game.
#pragma once

#include "Apps/Common/Screen.h"
#include "Apps/Vintrel/VintrelApplet.h"

namespace vintrel {

using CVintrelScreen = CGameScreen<CVintrelApplet>;

}  // namespace vintrel
