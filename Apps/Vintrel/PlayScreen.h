// The pond on the 20 ms timer: the held arrows steer the player's blob, the model's news turned
// into sounds and redrawn lives, score and size; after a lost life the rising angel and "press
// Space"; after the last one the name entry and "Play Again?".
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Apps/Common/MessagePanel.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Vintrel/PondGame.h"
#include "Apps/Vintrel/PondView.h"
#include "Apps/Vintrel/VintrelScreen.h"

class IEventListener;
class ITimer;

namespace vintrel {

class CPlayScreen final : public CVintrelScreen {
public:
    explicit CPlayScreen(CVintrelApplet& owner);
    ~CPlayScreen() override;

    int OnTick(intptr_t* args);
    int OnKey(intptr_t* args);
    int OnYesNo(intptr_t* args);
    int OnPanelUp(intptr_t* args);

private:
    HeldArrows PollKeys() const;
    void Announce(const std::vector<PondNews>& news);
    void OpenContinuePanel();
    void OpenPlayAgainPanel();
    void DrawLives();
    void DrawScore();
    void DrawSize();

    PondGame pond_;
    CPondView view_;
    int64_t now_ = 0;
    std::unique_ptr<CMessagePanel> panel_;
    ShellRef<IEventListener> keys_;
    ShellRef<ITimer> timer_;
};

}  // namespace vintrel
