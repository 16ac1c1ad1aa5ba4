// The five best players of the stadium: the defaults of a fresh profile, the table on the title
// screen, and a new score entered at game over with its congratulation and the player's name.
#pragma once

class IImage;
class IShellFactory;
class IShellServices;
class ISettingsAccess;

namespace pellawick {

void WriteDefaultBestPlayers(ISettingsAccess& settings);
void DrawBestPlayers(IImage& canvas, IShellFactory& factory, ISettingsAccess& settings);
// Asks the name and enters the score when it reaches a row; the row (1 to 5), or 0.
int EnterBestPlayer(IShellServices& services, ISettingsAccess& settings, int score);

}  // namespace pellawick
