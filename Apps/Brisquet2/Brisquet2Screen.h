// The base of Brisquet2's screens: a screen that draws on the game area and knows the game.
#pragma once

#include "Apps/Brisquet2/Brisquet2Applet.h"
#include "Apps/Common/Screen.h"

namespace brisquet2 {

using CBrisquet2Screen = CGameScreen<CBrisquet2Applet>;

}  // namespace brisquet2
