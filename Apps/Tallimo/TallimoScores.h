// The money table: five rows, the defaults of a fresh profile, the money as shown.
#pragma once

#include <span>
#include <string>

#include "Apps/Common/HighScores.h"

namespace tallimo {

std::span<const HighScoreRow> DefaultScores();

// "$980", "$12,340", "$1,000,000".
std::string MoneyText(int money);

}  // namespace tallimo
