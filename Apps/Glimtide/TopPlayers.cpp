#include "Apps/Glimtide/TopPlayers.h"

#include <array>
#include <cstring>

#include "Apps/Common/DecimalText.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/PlayerSettings.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"

namespace glimtide {
namespace {

constexpr const char* kLastName = "LastNameEntered";
constexpr const char* kDefaultName = "Rivakel";
constexpr size_t kStoredNameMax = 255;

int Row(Level level) { return static_cast<int>(level) + 1; }

}  // namespace

void WriteDefaultScores(ISettingsAccess& settings) {
    std::array<char, 2> probe{};
    if (ReadSetting(settings, HighScoreKey(1, "Name"), probe) != applet::kSettingAbsent) return;
    const char* defaults[] = {"6", "9", "12"};
    for (int row = 3; row >= 1; --row) {
        settings.SetUserValue(HighScoreKey(row, "Name").c_str(), kDefaultName);
        settings.SetUserValue(HighScoreKey(row, "Score").c_str(), defaults[row - 1]);
    }
}

int StoredBest(ISettingsAccess& settings, Level level) {
    return ReadSettingInt(settings, HighScoreKey(Row(level), "Score"), 0);
}

bool IsNewBest(int count, int storedBest) { return count >= storedBest; }

std::string ScoreText(int score) {
    if (score < 1000) {
        DecimalBuffer text;
        return FormatDecimal(score, text);
    }
    MoneyBuffer money;
    return FormatMoney(score, money) + 1;  // without the dollar sign
}

void DrawTopPlayers(IImage* canvas, ISettingsAccess& settings, IShellFactory& factory) {
    if (canvas == nullptr) return;
    constexpr int kRowY[] = {35, 52, 69};
    const char* labels[] = {"<s3><cffffff><b>Hard:</b>", "<s3><cffffff><b>Medium:</b>", "<s3><cffffff><b>Easy:</b>"};
    for (int i = 0; i < 3; ++i) {
        DrawMarkupText(canvas, "<s3><cffffff><b>. . . . . . . . . . . . . . . . .</b>", 360, kRowY[i]);
        DrawMarkupText(canvas, labels[i], 305, kRowY[i]);
    }
    IFont* font = factory.CreateFont("Arial", 12, kFontStyleBold);
    for (int i = 0; i < 3; ++i) {
        const int row = 3 - i, y = kRowY[i];
        const std::string name = ReadSettingText(settings, HighScoreKey(row, "Name"), kStoredNameMax).value_or("");
        const int score = ReadSettingInt(settings, HighScoreKey(row, "Score"), 0);
        int extent[2] = {0, 0};
        canvas->GetTextExtent(font, name.c_str(), static_cast<int>(name.size()), extent);
        // Blanks the dots behind the name.
        canvas->SetCurColor(0, 0, 0);
        canvas->FillRect(360, y, 368 + extent[0], y + 17);
        DrawMarkupText(canvas, ("<s3><b><cffffff>" + name + "</b>").c_str(), 360, y);
        DrawMarkupText(canvas, ("<s3><b><cffffff>" + ScoreText(score) + "</b>").c_str(), 465, y);
    }
    if (font != nullptr) font->Release();
}

void EnterBest(IShellServices& services, ISettingsAccess& settings, Level level, int count) {
    const std::string proposed = ReadSettingText(settings, kLastName, kStoredNameMax).value_or("Name");
    std::array<char, kNameEntryMax + 1> name{};
    for (;;) {
        // Cancel writes nothing: the name is then the empty one.
        name.fill('\0');
        services.InputBox("Congratulations", "You've gotten a high score!\nPlease enter your name for the records",
                          proposed.c_str(), name.data(), kNameEntryMax, 1);
        if (std::strlen(name.data()) <= kNameLengthMax) break;
        services.MessageBox("Name too long", "We're sorry, but names must be 12 letters or smaller.", 257);
    }
    DecimalBuffer score;
    settings.SetUserValue(kLastName, name.data());
    settings.SetUserValue(HighScoreKey(Row(level), "Name").c_str(), name.data());
    settings.SetUserValue(HighScoreKey(Row(level), "Score").c_str(), FormatDecimal(count, score));
}

}  // namespace glimtide
