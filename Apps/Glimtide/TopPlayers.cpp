#include "Apps/Glimtide/TopPlayers.h"

#include "Apps/Common/HighScoreNameEntry.h"
#include "Apps/Common/HighScoreView.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/PlayerSettings.h"
#include "frame/api/ISettingsAccess.h"

namespace glimtide {
namespace {

int Row(Level level) { return static_cast<int>(level) + 1; }

}  // namespace

void WriteDefaultScores(ISettingsAccess& settings) {
    const HighScoreRow defaults[] = {{"Rivakel", 6}, {"Rivakel", 9}, {"Rivakel", 12}};
    WriteDefaultHighScores(settings, defaults);
}

int StoredBest(ISettingsAccess& settings, Level level) {
    return ReadSettingInt(settings, HighScoreKey(Row(level), "Score"), 0);
}

bool IsNewBest(int count, int storedBest) { return count >= storedBest; }

void DrawTopPlayers(IImage* canvas, ISettingsAccess& settings, IShellFactory& factory) {
    if (canvas == nullptr) return;
    static constexpr int kRowY[] = {35, 52, 69};
    const char* labels[] = {"<s3><cffffff><b>Hard:</b>", "<s3><cffffff><b>Medium:</b>", "<s3><cffffff><b>Easy:</b>"};
    for (int i = 0; i < 3; ++i) DrawMarkupText(canvas, labels[i], 305, kRowY[i]);
    const HighScoreTable table = ReadHighScores(settings);
    const HighScoreRow hardFirst[] = {table[2], table[1], table[0]};
    DrawHighScoreView(*canvas, factory, {.nameX = 360, .scoreX = 465, .rowY = kRowY, .text = 0xFFFFFF, .background = 0, .scorePrefix = ""},
                      hardFirst);
}

void EnterBest(IShellServices& services, ISettingsAccess& settings, Level level, int count) {
    const std::string name = EnterHighScoreName(
        services, settings,
        {"Congratulations", "You've gotten a high score!\nPlease enter your name for the records"});
    settings.SetUserValue(HighScoreKey(Row(level), "Name").c_str(), name.c_str());
    WriteSettingInt(settings, HighScoreKey(Row(level), "Score"), count);
}

}  // namespace glimtide
