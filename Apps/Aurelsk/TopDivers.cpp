#include "Apps/Aurelsk/TopDivers.h"

#include <array>
#include <cstdio>
#include <string>

#include "Apps/Common/HighScoreNameEntry.h"
#include "Apps/Common/HighScoreView.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Aurelsk/Credits.h"

namespace aurelsk {
namespace {

constexpr int kRowY[] = {35, 52, 69, 86, 103};
constexpr int kNameX = 340;
constexpr int kScoreX = 445;
// The parchment the title draws under the table: each name is blanked on it.
constexpr uint32_t kParchment = 0xFFF3D0;

}  // namespace

void WriteDefaultDivers(ISettingsAccess& settings) {
    const HighScoreRow defaults[] = {
        {"Rivakel", 100000}, {"Rivakel", 80000}, {"Rivakel", 60000}, {"Rivakel", 30000}, {"Rivakel", 10000}};
    WriteDefaultHighScores(settings, defaults);
}

void DrawTopDivers(IImage& canvas, ISettingsAccess& settings, IShellFactory& factory) {
    DrawHighScoreView(canvas, factory,
                      {.nameX = kNameX, .scoreX = kScoreX, .rowY = kRowY, .text = 0x000000, .background = kParchment,
                       .scorePrefix = ""},
                      ReadHighScores(settings));
}

int EnterHighScore(IShellServices& services, ISettingsAccess& settings, int score) {
    HighScoreTable table = ReadHighScores(settings);
    const HighScoreTable before = table;
    HighScoreTable trial = table;
    const int row = InsertHighScore(trial, "", score) + 1;
    if (row == 0) return 0;
    std::array<char, 200> prompt{};
    std::snprintf(prompt.data(), prompt.size(), std::string(HighScorePrompt(row)).c_str(), score);
    const std::string name = EnterHighScoreName(services, settings, {"Got a High Score", prompt.data()});
    InsertHighScore(table, name, score);
    WriteHighScores(settings, table, before);
    return row;
}

}  // namespace aurelsk
