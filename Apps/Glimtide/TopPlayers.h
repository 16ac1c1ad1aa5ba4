// The "Top Players" of the title screen: the longest show repeated on each level, kept in the
// user's settings as "Score<n>Name" and "Score<n>Score" with n = 1 (Easy), 2 (Medium), 3 (Hard).
#pragma once

#include "Apps/Glimtide/MemoryGame.h"

class IImage;
class IShellFactory;
class IShellServices;
class ISettingsAccess;

namespace glimtide {

// Writes the starting table (6, 9 and 12 by the portal) when the Easy row has no name yet.
void WriteDefaultScores(ISettingsAccess& settings);
// The stored best of a level; 0 when absent or not a number.
int StoredBest(ISettingsAccess& settings, Level level);
// A count equal to the stored best is a new best too.
bool IsNewBest(int count, int storedBest);
// The table on the title screen, Hard at the top.
void DrawTopPlayers(IImage* canvas, ISettingsAccess& settings, IShellFactory& factory);

// Asks for the player's name and keeps it with the count as the level's best.
void EnterBest(IShellServices& services, ISettingsAccess& settings, Level level, int count);

}  // namespace glimtide
