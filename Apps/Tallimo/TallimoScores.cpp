#include "Apps/Tallimo/TallimoScores.h"

#include <array>

namespace tallimo {
namespace {

const std::array<HighScoreRow, kHighScoreRows> kDefaults{{
    {"Loader", 20000},
    {"Driver", 18000},
    {"Packer", 16000},
    {"Stocker", 14000},
    {"Helper", 12000},
}};

}  // namespace

std::span<const HighScoreRow> DefaultScores() { return kDefaults; }

std::string MoneyText(int money) { return "$" + ScoreText(money); }

}  // namespace tallimo
