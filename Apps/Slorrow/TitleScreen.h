// The title screen: the picture, the trademark logo and the choice of one or two players.
#pragma once

#include <cstdint>
#include <memory>

#include "Apps/Common/ImageButton.h"
#include "Apps/Slorrow/SlorrowScreen.h"

namespace slorrow {

class CTitleScreen final : public CSlorrowScreen {
public:
    explicit CTitleScreen(CSlorrowApplet& owner);

    // args[2] is the number of players.
    int OnChoose(intptr_t* args);

private:
    std::unique_ptr<ImageButton> onePlayer_;
    std::unique_ptr<ImageButton> twoPlayers_;
};

// A button of two pictures: the normal one and the one under the mouse, also shown pressed.
std::unique_ptr<ImageButton> MakeTwoLookButton(CSlorrowApplet& game, void* owner, Picture normal, Picture over, int x,
                                               int y, int id, AppletCallback callback);

}  // namespace slorrow
