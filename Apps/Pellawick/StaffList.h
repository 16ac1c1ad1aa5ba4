// The people behind the snacks, for the staff list the title screen's code opens.
#pragma once

#include <span>
#include <string_view>

namespace pellawick {

// The list's one-line heading and its names, in order.
std::string_view StaffHeading();
std::span<const std::string_view> StaffNames();

}  // namespace pellawick
