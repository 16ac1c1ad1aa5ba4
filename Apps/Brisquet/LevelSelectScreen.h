// The first screen: what the game is about, the three levels to start from, and below them the
// demo of two bubbles that fall, roll together and pop when they are alike. Clicking both of
// them during their pause opens the title screen with the staff roll.
#pragma once

#include <array>
#include <cstdint>

#include "Apps/Brisquet/BrisquetScreen.h"
#include "Apps/Common/ShellRef.h"
#include "frame/api/IEvent.h"
#include "frame/api/ITimer.h"


namespace brisquet {

class CLevelSelectScreen final : public CBrisquetScreen {
public:
    explicit CLevelSelectScreen(CBrisquetApplet& game);
    ~CLevelSelectScreen() override;

    // The button's id is the band: 0 Beginner, 1 Intermediate, 2 Advanced.
    int OnLevel(intptr_t* args);
    int OnTick(intptr_t* args);
    int OnLeftBubble(intptr_t* args);
    int OnRightBubble(intptr_t* args);

private:
    enum class Demo { Make, Pause, Fall, RollIn, Popped, RollOut };

    int Clicked(int side);
    void DropBubbles();
    void NewKinds();
    void MoveBubbles(int dxLeft, int dxRight, int dy);

    std::array<AttachedSurface, 3> buttons_;
    std::array<AttachedSurface, 2> bubbles_;
    std::array<ShellRef<IEventListener>, 2> listeners_;
    std::array<AttachedSurface, 2> whites_;
    std::array<bool, 2> clicked_{};
    std::array<int, 2> x_{};
    int y_ = 0;
    Demo state_ = Demo::Make;
    ShellRef<ITimer> timer_;
};

}  // namespace brisquet
