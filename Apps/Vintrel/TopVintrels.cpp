#include "Apps/Vintrel/TopVintrels.h"

#include "Apps/Common/HighScoreNameEntry.h"
#include "Apps/Common/HighScoreView.h"
#include "Apps/Common/HighScores.h"

namespace vintrel {
namespace {

constexpr int kRowY[] = {212, 229, 246, 263, 280};
constexpr int kNameX = 50;
constexpr int kScoreX = 155;
constexpr uint32_t kNameGround = 0x3399FF;

}  // namespace

void DrawTopVintrels(IImage& canvas, ISettingsAccess& settings, IShellFactory& factory) {
    const HighScoreRow defaults[] = {
        {"Rivakel", 10000}, {"Rivakel", 5000}, {"Rivakel", 2500}, {"Rivakel", 1000}, {"Rivakel", 500}};
    WriteDefaultHighScores(settings, defaults);
    DrawHighScoreView(canvas, factory,
                      {.nameX = kNameX, .scoreX = kScoreX, .rowY = kRowY, .text = 0x000000,
                       .background = kNameGround, .scorePrefix = ""},
                      ReadHighScores(settings));
}

bool EnterHighScore(IShellServices& services, ISettingsAccess& settings, int score,
                    const std::function<void()>& fanfare) {
    HighScoreTable table = ReadHighScores(settings);
    const HighScoreTable before = table;
    HighScoreTable trial = table;
    if (InsertHighScore(trial, "", score) < 0) return false;
    fanfare();
    const std::string name = EnterHighScoreName(
        services, settings,
        {"Congratulations", "You got a high score! Survival of the fittest at it's best.  Please enter your name:"});
    InsertHighScore(table, name, score);
    WriteHighScores(settings, table, before);
    return true;
}

}  // namespace vintrel
