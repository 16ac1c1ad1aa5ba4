// The profile buttons of title screens: "Change Player" asks for a name until one is accepted,
// "Reset My Profile" asks before anything is reset and moves the player to the foot of the table
// of best players.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class IShellServices;
class ISettingsAccess;

// Player names longer than this are refused.
inline constexpr size_t kPlayerNameLetters = 8;

// Why a typed player name is refused: the message box's caption and text.
struct NameRefusal {
    const char* caption;
    const char* text;
};
// Null when the name is accepted.
const NameRefusal* RefusePlayerName(std::string_view name);

// The accepted name, or nullopt when the box was answered otherwise than OK.
std::optional<std::string> AskPlayerName(IShellServices& services, const std::string& current);

// An OK and Cancel question with the warning sign ("Reset My Profile" and the like); true for OK.
bool ConfirmWithWarning(IShellServices& services, const char* caption, const char* text);

// Takes the player's row out of the table (rows below move up) and puts the player last with
// `score`; false, and nothing written, when the player has no row.
bool ResetHighScoreRow(ISettingsAccess& settings, std::string_view player, int score);
