// The staff screen the title's typed code opens.
#pragma once

#include "Apps/Common/StaffScreen.h"

namespace slorrow {

const StaffScreenStyle& SlorrowStaffStyle();

}  // namespace slorrow
