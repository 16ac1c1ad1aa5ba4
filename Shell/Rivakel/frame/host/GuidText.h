// Game and banner identifiers go into tracking lines and pages as GUID text; a malformed one is
// replaced by the default identifier so that the server never sees garbage.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view kDefaultGuidText = "{251D83DE-CE99-4751-BD3A-80DB3BF945AB}";
inline constexpr std::string_view kDefaultGuidDigits = "251D83DECE994751BD3A80DB3BF945AB";

// "{" followed by 36 hexadecimal digits or '-' stays as it is, any other braced text becomes
// the default. Without a brace the first 32 characters must be hexadecimal digits; otherwise
// they become the default digits and whatever follows them is kept.
std::string RepairGuidText(std::string_view text);
