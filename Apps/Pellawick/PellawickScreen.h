// The base of Pellawick's screens: a screen that draws on the game area and knows the game.
#pragma once

#include "Apps/Common/Screen.h"
#include "Apps/Pellawick/PellawickApplet.h"

namespace pellawick {

using CPellawickScreen = CGameScreen<CPellawickApplet>;

}  // namespace pellawick
