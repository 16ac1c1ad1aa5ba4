// The people behind the fireworks, for the staff list the title screen's code opens.
#pragma once

#include "Apps/Common/StaffScreen.h"

namespace glimtide {

// Grey, with the game's buttons, returning to a fresh title screen.
const StaffScreenStyle& GlimtideStaffStyle();

}  // namespace glimtide
