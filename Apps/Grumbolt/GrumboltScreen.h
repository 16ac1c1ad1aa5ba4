// The base of Grumbolt's screens: a screen that draws on the game area and knows the game.
#pragma once

#include "Apps/Common/Screen.h"
#include "Apps/Grumbolt/GrumboltApplet.h"

namespace grumbolt {

using CGrumboltScreen = CGameScreen<CGrumboltApplet>;

}  // namespace grumbolt
