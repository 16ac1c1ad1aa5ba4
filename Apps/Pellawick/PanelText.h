// What the message panels, the high-score entry and the cheering crowd say, with where each
// line goes. A play screen frames the panel's rectangle and draws each line with the markup
// drawer at (x, y) inside it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Apps/Pellawick/PellawickGame.h"

namespace pellawick {

struct PanelLine {
    std::string text;
    int x = 0, y = 0;
};

struct PanelText {
    int left = 0, top = 0, right = 0, bottom = 0;
    std::vector<PanelLine> lines;
    bool playAgainButtons = false;  // "(N)ew Game", "(T)ry Stadium Again", "(Q)uit" below
};

// The panel as the game shows it now: its league, inning, strike reason and lives left.
PanelText PanelFor(const PellawickGame& game);

// The congratulation of a new best score by its row (1 to 5), the score written with thousands
// separators; empty for another row.
std::string Congratulation(int row, int score);

// The cheer words of a bubble (0 to 8): one word at (2, 7), or two at (1, 3) and (6, 11).
struct CheerWords {
    std::string_view first, second;  // second empty for one word
};
CheerWords CheerWordsOf(int index);
inline constexpr std::string_view kCheerWordsMarkup = "<S4><C000000>";

}  // namespace pellawick
