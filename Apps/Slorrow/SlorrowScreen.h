// The base of Slorrow's screens: a screen that draws on the game area and knows the game.
#pragma once

#include "Apps/Common/Screen.h"
#include "Apps/Slorrow/SlorrowApplet.h"

namespace slorrow {

using CSlorrowScreen = CGameScreen<CSlorrowApplet>;

}  // namespace slorrow
