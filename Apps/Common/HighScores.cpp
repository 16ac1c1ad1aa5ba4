#include "Apps/Common/HighScores.h"

#include <algorithm>
#include <cstdio>

#include "Apps/Common/DecimalText.h"
#include "Apps/Common/PlayerSettings.h"
#include "frame/api/AppletResults.h"
#include "frame/api/ISettingsAccess.h"

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string HighScoreKey(int row, const char* item) {
    char key[32];
    std::snprintf(key, sizeof key, "Score%d%s", row, item);
    return key;
}

bool SamePlayerName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

void PlaceHighScore(HighScoreTable& table, std::string_view player, int score) {
    for (int i = 0; i < kHighScoreRows; ++i) {
        if (!SamePlayerName(table[i].name, player)) continue;
        for (int j = i; j + 1 < kHighScoreRows; ++j) table[j] = table[j + 1];
        table[kHighScoreRows - 1].score = kHighScoreVacant;
        break;
    }
    for (int i = 0; i < kHighScoreRows; ++i) {
        if (table[i].score > score) continue;
        for (int j = kHighScoreRows - 1; j > i; --j) table[j] = table[j - 1];
        table[i] = {std::string(player), score};
        return;
    }
}

int InsertHighScore(HighScoreTable& table, std::string_view player, int score) {
    for (int i = 0; i < kHighScoreRows; ++i) {
        if (table[i].score > score) continue;
        for (int j = kHighScoreRows - 1; j > i; --j) table[j] = table[j - 1];
        table[i] = {std::string(player), score};
        return i;
    }
    return -1;
}

std::string ScoreText(int score) {
    if (score < 1000) {
        DecimalBuffer text;
        return FormatDecimal(score, text);
    }
    MoneyBuffer money;
    return FormatMoney(score, money) + 1;  // without the dollar sign
}

void WriteDefaultHighScores(ISettingsAccess& settings, std::span<const HighScoreRow> defaults) {
    std::array<char, 2> probe{};
    if (ReadSetting(settings, HighScoreKey(1, "Name"), probe) != applet::kSettingAbsent) return;
    HighScoreTable table;
    std::copy_n(defaults.begin(), std::min(defaults.size(), table.size()), table.begin());
    // Written last to first, so that a store that fails half way is asked again next time.
    for (int row = static_cast<int>(std::min(defaults.size(), table.size())); row >= 1; --row) {
        settings.SetUserValue(HighScoreKey(row, "Name").c_str(), table[row - 1].name.c_str());
        WriteSettingInt(settings, HighScoreKey(row, "Score"), table[row - 1].score);
    }
}

HighScoreTable ReadHighScores(ISettingsAccess& settings) {
    HighScoreTable table;
    for (int row = 1; row <= kHighScoreRows; ++row) {
        table[row - 1].name = ReadSettingText(settings, HighScoreKey(row, "Name")).value_or("");
        table[row - 1].score = ReadSettingInt(settings, HighScoreKey(row, "Score"), 0);
    }
    return table;
}

void WriteHighScores(ISettingsAccess& settings, const HighScoreTable& table, const HighScoreTable& before) {
    for (int row = 1; row <= kHighScoreRows; ++row) {
        const HighScoreRow& now = table[row - 1];
        const HighScoreRow& old = before[row - 1];
        if (now == old) continue;
        // Both items: a score text the reader took for another number must not stay beside a new name.
        settings.SetUserValue(HighScoreKey(row, "Name").c_str(), now.name.c_str());
        WriteSettingInt(settings, HighScoreKey(row, "Score"), now.score);
    }
}

void UpdateHighScores(ISettingsAccess& settings, std::string_view player, int score) {
    const HighScoreTable before = ReadHighScores(settings);
    HighScoreTable table = before;
    PlaceHighScore(table, player, score);
    WriteHighScores(settings, table, before);
}
