// The game's own words: the help page, the small print and the staff roll of the title screen.
#pragma once

#include <array>
#include <string_view>

namespace brisquet {

inline constexpr std::array<std::string_view, 12> kHelpLines = {
    "<S1><B><c333399>How to play Brisquet</B>",
    "<S3><c333333>Brisquet has three levels of ten screens each: Beginner,",
    "<S3><c333333>Intermediate and Advanced. Clear every bubble from a",
    "<S3><c333333>screen to go on to the next one.",
    "<S3><c333333>Click a bubble to pop it together with all the bubbles of",
    "<S3><c333333>the same colour that touch it. The bubbles above fall",
    "<S3><c333333>down into the gaps.",
    "<S3><c333333>A bubble with no neighbour of its own colour cannot be",
    "<S3><c333333>popped, so think before you click!",
    "<S3><c333333>The black bubble is special: click it and it pops every",
    "<S3><c333333>bubble around it, whatever their colours.",
    "<S3><c333333>Stuck? Press \"Get a Hint\", or \"Reset Screen\" to start over.",
};

inline constexpr std::string_view kTrademark = "<c333333><s4>Brisquet is a trademark of Rivakel.";
inline constexpr std::string_view kSelectTrademark = "<cffffff><S4><C>Brisquet is a trademark of Rivakel.</c>";

// Two columns of four lines, as the title screen rolls them.
inline constexpr std::array<std::string_view, 8> kStaffLines = {
    "Design: Wren Alderby",    "Programming: Tobin Ashgrove", "Bubbles: Mirela Fenwick", "Sound: Cass Underhill",
    "Screens: Juno Padgett",   "Testing: Ollie Brackwater",   "Levels: Nessa Coldridge", "Producer: Hal Ormsby",
};

// The title screen's heading, drawn letter by letter.
inline constexpr std::string_view kTitleHeading = "Staff";

}  // namespace brisquet
