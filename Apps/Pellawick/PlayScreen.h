// The play screen: the game over the leagues ticked every 20 ms, the arrows polled and the
// letters and Space taken from key presses, the stadium drawn, the message panels and the entry
// of a best score at game over.
#pragma once

#include <cstdint>
#include <memory>

#include "Apps/Common/MessagePanel.h"
#include "Apps/Pellawick/ArrowRepeat.h"
#include "Apps/Pellawick/CustomerPictures.h"
#include "Apps/Pellawick/PellawickGame.h"
#include "Apps/Pellawick/PellawickScreen.h"
#include "Apps/Pellawick/StadiumView.h"

class IEventListener;
class ITimer;

namespace pellawick {

class CPlayScreen final : public CPellawickScreen {
public:
    explicit CPlayScreen(CPellawickApplet& owner);
    ~CPlayScreen() override;

    int OnTick(intptr_t* args);
    int OnKey(intptr_t* args);
    int OnPanelButton(intptr_t* args);
    int OnPanelUp(intptr_t* args);

private:
    void PollArrows();
    // After the model moved: the stadium, the sounds, the panel; false once the screen is gone.
    bool Show();
    void OpenPanel();

    PellawickGame model_;
    CCustomerPictures pictures_;
    std::unique_ptr<CStadiumView> view_;
    const Stadium* viewed_ = nullptr;
    std::unique_ptr<CMessagePanel> panel_;
    Panel panelShown_ = Panel::None;
    ArrowRepeat arrows_;
    // Arrows pressed since the last poll: a tap between two ticks still counts once.
    ArrowRepeat::Keys tapped_{};
    int now_ = 0;
    ShellRef<IEventListener> keys_;
    ShellRef<ITimer> timer_;
};

}  // namespace pellawick
