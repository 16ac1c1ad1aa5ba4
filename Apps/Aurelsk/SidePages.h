// How the staff list and the hidden page of the diving game look.
#pragma once

#include "Apps/Common/HiddenPageScreen.h"
#include "Apps/Common/StaffScreen.h"

namespace aurelsk {

const StaffScreenStyle& AurelskStaffStyle();
const HiddenPageStyle& AurelskHiddenPageStyle();

}  // namespace aurelsk
