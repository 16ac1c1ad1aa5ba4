// The title screen's table of the five best divers, kept in the user's settings as
// "Score<n>Name" and "Score<n>Score", and the name entry at the end of a game that reaches it.
#pragma once

class IImage;
class IShellFactory;
class IShellServices;
class ISettingsAccess;

namespace aurelsk {

// The table a fresh profile starts with: Rivakel five times, 100,000 down to 10,000.
void WriteDefaultDivers(ISettingsAccess& settings);
void DrawTopDivers(IImage& canvas, ISettingsAccess& settings, IShellFactory& factory);
// Asks for a name when `score` reaches a row (an equal score ranks above the stored one), moves
// that row and those below it down one, and keeps the name there. The row (1 to 5), or 0.
int EnterHighScore(IShellServices& services, ISettingsAccess& settings, int score);

}  // namespace aurelsk
