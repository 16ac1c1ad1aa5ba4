// The people behind the bubbles, for the staff screen that the title's typed code opens, and the
// small print under the help page.
#pragma once

#include <array>
#include <string_view>

namespace brisquet2 {

// The title screen's typed code for the staff screen.
inline constexpr std::string_view kStaffCode = "plumtag";

inline constexpr std::string_view kStaffHeading = "The Brisquet 2 Bubble Crew (all 150 puzzles tested by hand)";

inline constexpr std::array<std::string_view, 16> kStaffNames = {
    "Pip Fennaway",   "Marta Quillbrook", "Oswin Tarrant",  "Lula Pennifeather", "Basil Orrin",  "Juno Whitlock",
    "Cosmo Hartwell", "Ida Brambleton",   "Felix Ardmore",  "Rosalind Teague",   "Otto Crumley", "Vera Lindqvale",
    "Sully Marchbank", "Tilda Grove",     "Emrys Dunstable", "Noor Halloran",
};

// Drawn at (280, 0) of the help page in colour 333333.
inline constexpr std::string_view kHelpTrademark = "<c333333><s4>Brisquet 2 is a trademark of Rivakel.";

}  // namespace brisquet2
