// The base of the game's screens, and the green they are drawn on.
#pragma once

#include "Apps/Common/Screen.h"
#include "Games/Dunmoro/DunmoroApplet.h"

namespace dunmoro {

inline constexpr int kGreenR = 51, kGreenG = 153, kGreenB = 0;

using CDunmoroScreen = CGameScreen<CDunmoroApplet>;

}  // namespace dunmoro
