// The game screen: the sea drawn from the world every 33 ms tick, the arrow keys held to steer,
// Space to fire, the status bar, and at the end the game-over picture rising, the name entry of
// a high score, "Try Again?" and "Quit?".
#pragma once

#include <cstdint>
#include <memory>

#include "Apps/Common/ShellRef.h"
#include "Apps/Aurelsk/AurelskScreen.h"
#include "Apps/Aurelsk/SeaView.h"
#include "Apps/Aurelsk/SeaWorld.h"
#include "Apps/Aurelsk/StatusBar.h"

class IEventListener;
class ITimer;

namespace aurelsk {

class CPlayScreen final : public CAurelskScreen {
public:
    explicit CPlayScreen(CAurelskApplet& owner);
    ~CPlayScreen() override;

    int OnTick(intptr_t* args);
    int OnKey(intptr_t* args);
    int OnRise(intptr_t* args);
    int OnEndButton(intptr_t* args);

private:
    int PollKeys();
    void Announce(const std::vector<SeaEvent>& events);
    void StartGameOver();
    void EndRise();

    SeaWorld world_;
    CSeaView view_;
    CStatusBar status_;
    int now_ = 0;
    bool over_ = false;
    int risen_ = 0;
    AttachedSurface gameOver_;
    AttachedSurface tryAgain_;
    AttachedSurface quit_;
    ShellRef<IEventListener> keys_;
    ShellRef<ITimer> timer_;
    ShellRef<ITimer> riseTimer_;
};

}  // namespace aurelsk
