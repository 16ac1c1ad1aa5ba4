// The people behind the frogs, opened by the title screen's typed code.
#pragma once

#include "Apps/Common/StaffScreen.h"

namespace grumbolt {

// On the swamp's blue, with the game's buttons, returning to a fresh title screen.
const StaffScreenStyle& GrumboltStaffStyle();

}  // namespace grumbolt
