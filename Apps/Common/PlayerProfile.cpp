#include "Apps/Common/PlayerProfile.h"

#include <algorithm>
#include <array>

#include "Apps/Common/HighScores.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IShellServices.h"

namespace {

constexpr int kNoteFlags = kBoxExclamation | 1;
constexpr int kEntryBuffer = 1024;

}  // namespace

const NameRefusal* RefusePlayerName(std::string_view name) {
    static constexpr NameRefusal kEmpty{"Invalid name entered",
                                        "Names must have at least one character.  Please enter a valid name."};
    static constexpr NameRefusal kTooLong{"Name too long", "We're sorry, but names must be 8 letters or smaller."};
    static constexpr NameRefusal kBlank{"Invalid Name", "We're sorry, but names cannot be just spaces."};
    if (name.empty()) return &kEmpty;
    if (name.size() > kPlayerNameLetters) return &kTooLong;
    if (name.find_first_not_of(' ') == std::string_view::npos) return &kBlank;
    return nullptr;
}

std::optional<std::string> AskPlayerName(IShellServices& services, const std::string& current) {
    std::array<char, kEntryBuffer> entry{};
    for (;;) {
        entry.fill('\0');
        if (services.InputBox("Enter player name", "Enter the name of the player you would like to switch to.",
                              current.c_str(), entry.data(), kEntryBuffer, 0) != applet::kBoxOk)
            return std::nullopt;
        const NameRefusal* refusal = RefusePlayerName(entry.data());
        if (refusal == nullptr) return std::string(entry.data());
        services.MessageBox(refusal->caption, refusal->text, kNoteFlags);
    }
}

bool ConfirmWithWarning(IShellServices& services, const char* caption, const char* text) {
    return services.MessageBox(caption, text, kBoxOkCancel | kBoxExclamation) == applet::kBoxOk;
}

bool ResetHighScoreRow(ISettingsAccess& settings, std::string_view player, int score) {
    const HighScoreTable before = ReadHighScores(settings);
    const auto row = std::find_if(before.begin(), before.end(),
                                  [&](const HighScoreRow& r) { return SamePlayerName(r.name, player); });
    if (row == before.end()) return false;
    HighScoreTable table = before;
    const auto at = table.begin() + (row - before.begin());
    std::rotate(at, at + 1, table.end());
    table.back() = {std::string(player), score};
    WriteHighScores(settings, table, before);
    return true;
}
