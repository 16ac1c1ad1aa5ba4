// The screens the title screen's codes open: the people behind the fireworks, and the hidden page
// with the employee of the month.
#pragma once

#include "Apps/Common/HiddenPageScreen.h"
#include "Apps/Common/StaffScreen.h"

namespace glimtide {

// Grey, with the game's buttons, returning to a fresh title screen.
const StaffScreenStyle& GlimtideStaffStyle();
// Grey, with the plaque and a few words about him.
const HiddenPageStyle& GlimtideHiddenPageStyle();

}  // namespace glimtide
