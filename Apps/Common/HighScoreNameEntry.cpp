#include "Apps/Common/HighScoreNameEntry.h"

#include <array>
#include <cstring>

#include "Apps/Common/PlayerSettings.h"
#include "frame/api/AppletResults.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellServices.h"

namespace {

constexpr const char* kLastName = "LastNameEntered";
constexpr int kNoteFlags = 257;

}  // namespace

std::string EnterHighScoreName(IShellServices& services, ISettingsAccess& settings, const NameEntryText& text) {
    const std::string proposed = ReadSettingText(settings, kLastName, kHighScoreNameMax).value_or("Name");
    std::string name = proposed;
    std::array<char, kHighScoreEntryMax + 1> entry{};
    for (;;) {
        entry.fill('\0');
        if (services.InputBox(text.caption, text.prompt, proposed.c_str(), entry.data(), kHighScoreEntryMax, 1) !=
            applet::kBoxOk)
            break;
        if (std::strlen(entry.data()) <= kHighScoreNameMax) {
            name = entry.data();
            break;
        }
        services.MessageBox("Name too long", "We're sorry, but names must be 12 letters or smaller.", kNoteFlags);
    }
    settings.SetUserValue(kLastName, name.c_str());
    return name;
}
