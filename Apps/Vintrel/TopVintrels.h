// The title screen's "Top Vintrels": five rows in the user's settings, and the name entry at the
// end of a game that reaches one.
#pragma once

#include <functional>

class IImage;
class IShellFactory;
class IShellServices;
class ISettingsAccess;

namespace vintrel {

// Writes the five default rows when the profile has none, then draws the table.
void DrawTopVintrels(IImage& canvas, ISettingsAccess& settings, IShellFactory& factory);
// When `score` reaches a row (an equal score ranks above the stored one): `fanfare`, the name
// asked, the rows from there moved down one and the name kept there. False when no row is reached.
bool EnterHighScore(IShellServices& services, ISettingsAccess& settings, int score,
                    const std::function<void()>& fanfare);

}  // namespace vintrel
