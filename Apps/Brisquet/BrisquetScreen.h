// The base of Brisquet's screens: a screen that draws on the game area and knows the game.
#pragma once

#include "Apps/Brisquet/BrisquetApplet.h"
#include "Apps/Common/Screen.h"

namespace brisquet {

using CBrisquetScreen = CGameScreen<CBrisquetApplet>;

}  // namespace brisquet
