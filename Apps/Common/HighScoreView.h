// The table of best players as a title screen draws it: a dotted line per row, the name over a
// box of the background colour, the score at the right of the name's column.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "Apps/Common/HighScores.h"

class IImage;
class IShellFactory;

struct HighScoreViewStyle {
    int nameX = 0;
    int scoreX = 105;  // the name's column ends here
    std::span<const int> rowY;
    uint32_t text = 0x000000;
    uint32_t background = 0x000000;
    std::string scorePrefix;  // "$" for money
};

// Names are drawn as plain text (a stored tag is not markup) and cut to their column.
void DrawHighScoreView(IImage& canvas, IShellFactory& factory, const HighScoreViewStyle& style,
                       std::span<const HighScoreRow> rows);
