#include "Apps/Pellawick/BestPlayers.h"

#include "Apps/Common/HighScoreNameEntry.h"
#include "Apps/Common/HighScoreView.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Pellawick/PanelText.h"

namespace pellawick {
namespace {

constexpr int kRowY[] = {107, 124, 141, 158, 175};
constexpr int kNameX = 205;
constexpr int kScoreX = 310;
constexpr uint32_t kTableGround = 0xFFFFCC;

}  // namespace

void WriteDefaultBestPlayers(ISettingsAccess& settings) {
    const HighScoreRow defaults[] = {
        {"Rivakel", 50000}, {"Rivakel", 25000}, {"Rivakel", 10000}, {"Rivakel", 5000}, {"Rivakel", 2000}};
    WriteDefaultHighScores(settings, defaults);
}

void DrawBestPlayers(IImage& canvas, IShellFactory& factory, ISettingsAccess& settings) {
    WriteDefaultBestPlayers(settings);
    const HighScoreTable table = ReadHighScores(settings);
    DrawHighScoreView(canvas, factory,
                      {.nameX = kNameX, .scoreX = kScoreX, .rowY = kRowY, .text = 0x000000, .background = kTableGround,
                       .scorePrefix = ""},
                      table);
}

int EnterBestPlayer(IShellServices& services, ISettingsAccess& settings, int score) {
    WriteDefaultBestPlayers(settings);
    const HighScoreTable before = ReadHighScores(settings);
    HighScoreTable table = before;
    const int row = InsertHighScore(table, "", score) + 1;
    if (row == 0) return 0;
    const std::string text = Congratulation(row, score);
    const std::string name = EnterHighScoreName(services, settings, {"Congratulations", text.c_str()});
    table = before;
    InsertHighScore(table, name, score);
    WriteHighScores(settings, table, before);
    return row;
}

}  // namespace pellawick
