// The game's own words: the help page, the small print and the staff roll of the title screen.
#pragma once

#include <array>
#include <string_view>

namespace brisquet {

inline constexpr std::array<std::string_view, 15> kHelpLines = {
    "<S1><B><c333399>How to play Brisquet</B>",
    "<S2><B><c663300>Pop the bubbles</B>",
    "<S3><c333333>Click a bubble to pop it together with every bubble of the same",
    "<S3><c333333>colour that touches it. A bubble with no neighbour of its own",
    "<S3><c333333>colour cannot be popped. The bubbles above fall into the gaps.",
    "<S2><B><c663300>The black bubble</B>",
    "<S3><c333333>In the advanced screens, click a black bubble and it pops every",
    "<S3><c333333>bubble around it, whatever their colours.",
    "<S2><B><c663300>Thirty screens</B>",
    "<S3><c333333>There are three levels of ten screens each: Beginner, Intermediate",
    "<S3><c333333>and Advanced. Clear every bubble of a screen to go on to the next.",
    "<S3><c333333>Stuck? \"Get a Hint\" shows the screen's hint, \"Reset Screen\" starts",
    "<S3><c333333>it over, and when no bubble can be popped a click tries again.",
    "",
    "<S3><B><c333399>Tip: find the lonely bubbles first, then pop what keeps them apart!</B>",
};

inline constexpr std::string_view kTrademark = "<c333333><s4>Brisquet is a trademark of Rivakel.";
inline constexpr std::string_view kSelectTrademark = "<cffffff><S4><C>Brisquet is a trademark of Rivakel.</c>";

// Two columns of four lines, as the title screen rolls them.
inline constexpr std::array<std::string_view, 8> kStaffLines = {
    "Design: Wren Alderby",    "Code: Tobin Ashgrove", "Bubbles: Mirela Fenwick", "Sound: Cass Underhill",
    "Screens: Juno Padgett",   "Testing: Ollie Brackwater",   "Levels: Nessa Coldridge", "Producer: Hal Ormsby",
};

// The title screen's heading, drawn letter by letter.
inline constexpr std::string_view kTitleHeading = "Staff";

}  // namespace brisquet
