#include "Apps/Pennimar/TopFarmers.h"

#include "Apps/Common/HighScoreNameEntry.h"
#include "Apps/Common/HighScoreView.h"
#include "Apps/Common/HighScores.h"

namespace pennimar {
namespace {

const HighScoreRow kDefaults[] = {
    {"Rivakel", 40000}, {"Rivakel", 30000}, {"Rivakel", 20000}, {"Rivakel", 10000}, {"Rivakel", 5000},
};
constexpr int kRowY[] = {36, 54, 72, 90, 108};

}  // namespace

void WriteDefaultFarmers(ISettingsAccess& settings) { WriteDefaultHighScores(settings, kDefaults); }

void DrawTopFarmers(IImage& canvas, ISettingsAccess& settings, IShellFactory& factory) {
    const HighScoreTable table = ReadHighScores(settings);
    DrawHighScoreView(canvas, factory,
                      {.nameX = 310, .scoreX = 425, .rowY = kRowY, .text = 0x000000, .background = 0xCC9966,
                       .scorePrefix = ""},
                      table);
}

bool ReachesTopFarmers(ISettingsAccess& settings, int score) {
    const HighScoreTable table = ReadHighScores(settings);
    for (const HighScoreRow& row : table)
        if (score >= row.score) return true;
    return false;
}

void EnterTopFarmer(IShellServices& services, ISettingsAccess& settings, int score) {
    const std::string name = EnterHighScoreName(
        services, settings,
        {"Good Fencin'", "Way to go - you're a regular DovedOzoro.\nWhy don't you tell us your name, farmer?"});
    const HighScoreTable before = ReadHighScores(settings);
    HighScoreTable table = before;
    InsertHighScore(table, name, score);
    WriteHighScores(settings, table, before);
}

}  // namespace pennimar
