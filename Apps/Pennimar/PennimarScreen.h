// The base of Pennimar's screens: a screen that draws on the game area and knows the game.
#pragma once

#include "Apps/Common/Screen.h"
#include "Apps/Pennimar/PennimarApplet.h"

namespace pennimar {

using CPennimarScreen = CGameScreen<CPennimarApplet>;

}  // namespace pennimar
