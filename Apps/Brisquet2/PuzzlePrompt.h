// The boxes that ask for a puzzle: the number prompt of "Choose a Puzzle to Solve" and "Choose
// Another".
#pragma once

#include <optional>

class IShellServices;

namespace brisquet2 {

// Asks until the answer is a number from 1 to 50000; nullopt when the box is cancelled.
std::optional<int> AskPuzzleNumber(IShellServices& services);

}  // namespace brisquet2
