// Where users are asked to write when something goes wrong.
#pragma once

#include <string_view>

inline constexpr std::string_view kSupportAddress = "support@rivakel.example";
