// The people behind the farm, for the staff screen the title's typed code opens.
#pragma once

#include <array>
#include <string_view>

namespace pennimar {

// The title screen's typed code for the staff screen, in either case.
inline constexpr std::string_view kStaffCode = "plumtag";

inline constexpr std::string_view kStaffHeading = "The Pennimar Barn Raisers (all fences hand-split)";

inline constexpr std::array<std::string_view, 18> kStaffNames = {
    "Hollis Ploughright", "Marta Greenhedge", "Cyrus Oatley",   "Delia Haywood",   "Amos Thistlewick",
    "Rosa Meadowcroft",   "Barnaby Furrow",   "June Applegarth", "Silas Cobbledew", "Ottilie Brambly",
    "Ezra Millpond",      "Fern Wattle",      "Gideon Hurdle",  "Posy Rainwater",  "Tamsin Orchard",
    "Abel Sheepcote",     "Nell Dunnock",     "Jasper Stile",
};

}  // namespace pennimar
