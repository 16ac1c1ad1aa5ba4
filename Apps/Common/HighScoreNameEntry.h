// The name a player gives for the table of best players: asked in an input box that proposes the
// last name entered, again while it is too long, and kept as "LastNameEntered".
#pragma once

#include <string>

class IShellServices;
class ISettingsAccess;

inline constexpr size_t kHighScoreNameMax = 12;
// The box takes a few more, so that a name too long can be told so.
inline constexpr int kHighScoreEntryMax = 16;

struct NameEntryText {
    const char* caption;
    const char* prompt;
};

// Any answer but OK (Cancel, or the portal closing while the box is up) keeps the proposed name.
std::string EnterHighScoreName(IShellServices& services, ISettingsAccess& settings, const NameEntryText& text);
