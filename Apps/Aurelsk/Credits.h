// The game's own words for the screens: the staff list and the high-score prompts.
#pragma once

#include <array>
#include <string_view>

namespace aurelsk {

inline constexpr std::string_view kStaffHeading = "Dive Crew";
extern const std::array<std::string_view, 20> kStaffNames;

// The printf format (one %d, the score) asking for a name on reaching `row` (1 to 5) of the
// table; cp1252 text. Outside 1 to 5: the nearest row's.
std::string_view HighScorePrompt(int row);

}  // namespace aurelsk
