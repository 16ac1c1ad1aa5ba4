// The status bar over the sea: the score on its plate, the oxygen gauge, the five hold lights and
// the lives left, each redrawn when the world's value changes. The plate hangs over the waterline
// as a surface of its own, in front of the sea's sprites.
#pragma once

#include <array>

#include "Apps/Common/ShellRef.h"
#include "Apps/Aurelsk/AurelskApplet.h"
#include "Apps/Aurelsk/SeaWorld.h"

class IImage;
class IShellFactory;
class ISurface;

namespace aurelsk {

class CStatusBar {
public:
    // Draws the bar on `canvas` (which may be null) and puts the score plate and the hold lights,
    // hidden, on the game area.
    CStatusBar(CAurelskApplet& game, IShellFactory& factory, ISurface& gameArea, IImage* canvas);

    void Show(const SeaWorld& world);
    // The plate the sprites pass behind; null when it could not be made.
    ISurface* Plate() const { return plate_.Get(); }

private:
    void DrawScore(int score);
    void DrawLives(int lives);
    void DrawOxygen(int oxygen);
    void ShowHold(int count);

    void MakePlate(IShellFactory& factory, ISurface& gameArea);

    CAurelskApplet& game_;
    IImage* canvas_;
    AttachedSurface plate_;
    ShellRef<IImage> plateImage_;
    std::array<AttachedSurface, PlayerSub::kHoldSize> lights_;
    int score_ = -1;
    int lives_ = -1;
    int oxygen_ = -1;
    int hold_ = -1;
};

}  // namespace aurelsk
