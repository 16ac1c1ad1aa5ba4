// "Top Farmers": the five best scores of the user, as the title screen draws them and as a game's
// end enters a new one.
#pragma once

class IImage;
class IShellFactory;
class IShellServices;
class ISettingsAccess;

namespace pennimar {

// The starting table (Rivakel with 40,000 down to 5,000) on a fresh profile.
void WriteDefaultFarmers(ISettingsAccess& settings);
void DrawTopFarmers(IImage& canvas, ISettingsAccess& settings, IShellFactory& factory);
// Whether the score reaches the table: an equal score ranks above the stored one.
bool ReachesTopFarmers(ISettingsAccess& settings, int score);
// Asks for the name and enters the score at the first row it reaches, the rows below moving down.
void EnterTopFarmer(IShellServices& services, ISettingsAccess& settings, int score);

}  // namespace pennimar
