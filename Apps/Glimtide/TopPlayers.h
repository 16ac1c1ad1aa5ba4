// The "Top Players" of the title screen: the longest show repeated on each level, kept in the
// user's settings as "Score<n>Name" and "Score<n>Score" with n = 1 (Easy), 2 (Medium), 3 (Hard).
#pragma once

#include <string>
#include <string_view>

#include "Apps/Glimtide/MemoryGame.h"

class IImage;
class IShellFactory;
class IShellServices;
class ISettingsAccess;

namespace glimtide {

inline constexpr int kNameLengthMax = 12;
inline constexpr int kNameEntryMax = 16;

// Writes the starting table (6, 9 and 12 by the portal) when the Easy row has no name yet.
void WriteDefaultScores(ISettingsAccess& settings);
// The stored best of a level; 0 when absent or not a number.
int StoredBest(ISettingsAccess& settings, Level level);
// A count equal to the stored best is a new best too.
bool IsNewBest(int count, int storedBest);
// "999", "1,000", "1,000,000"; counts below 1000 (negative ones too) plainly.
std::string ScoreText(int score);
// The table on the title screen, Hard at the top.
void DrawTopPlayers(IImage* canvas, ISettingsAccess& settings, IShellFactory& factory);

// Asks for the player's name until it has at most 12 letters, proposing the last name entered
// ("Name" at first), and keeps it with the count as the level's best. Cancel keeps an empty name.
void EnterBest(IShellServices& services, ISettingsAccess& settings, Level level, int count);

}  // namespace glimtide
