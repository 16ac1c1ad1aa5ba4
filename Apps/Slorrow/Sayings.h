// What a candidate says after a hit: 26 sayings each, of one to four lines.
#pragma once

#include <string_view>
#include <vector>

#include "Apps/Slorrow/Candidate.h"

namespace slorrow {

inline constexpr int kSayings = 26;

// Saying `index` (0 to 25, held in range) of the candidate, line by line.
std::vector<std::string_view> SayingLines(Character who, int index);

}  // namespace slorrow
