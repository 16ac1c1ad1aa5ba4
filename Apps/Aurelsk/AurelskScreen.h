// The base of Aurelsk's screens: a screen that draws on the game area and knows the game.
#pragma once

#include "Apps/Common/Screen.h"
#include "Apps/Aurelsk/AurelskApplet.h"

namespace aurelsk {

using CAurelskScreen = CGameScreen<CAurelskApplet>;

}  // namespace aurelsk
