// The base of Torvimble's screens: a screen that draws on the game area and knows the card room.
#pragma once

#include "Apps/Common/Screen.h"
#include "Apps/Torvimble/TorvimbleApplet.h"

namespace torvimble {

using CTorvimbleScreen = CGameScreen<CTorvimbleApplet>;

}  // namespace torvimble
