// The title screen: the choice of one or two players, then, on the same screen, the selection of
// sides with the rules of aiming and throwing and the way into the duel.
#pragma once

#include <cstdint>
#include <memory>

#include "Apps/Common/ImageButton.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Common/TypedCodeMatcher.h"
#include "Apps/Slorrow/SlorrowScreen.h"

class IEventListener;

namespace slorrow {

class CTitleScreen final : public CSlorrowScreen {
public:
    explicit CTitleScreen(CSlorrowApplet& owner);

    // args[2] is the number of players.
    int OnChoose(intptr_t* args);
    int OnSwitch(intptr_t* args);
    int OnFight(intptr_t* args);
    int CheckTypedCode(intptr_t* args);
    int OnPartner(intptr_t* args);

private:
    void ShowSelection();
    void DrawSelection();

    std::unique_ptr<ImageButton> onePlayer_;
    std::unique_ptr<ImageButton> twoPlayers_;
    std::unique_ptr<ImageButton> partner_;
    std::unique_ptr<ImageButton> switch_;
    std::unique_ptr<ImageButton> fight_;
    ShellRef<IEventListener> keyListener_;
    CTypedCodeMatcher staffCode_{"plumtag", true};
};

inline constexpr const char* kPartnerAddress = "https://partners.rivakel.example/slorrow";

// A fresh title screen, as the staff screen returns to it.
CScreen* MakeTitleScreen(CApplet& app);

// A button of two pictures: the normal one and the one under the mouse, also shown pressed.
std::unique_ptr<ImageButton> MakeTwoLookButton(CSlorrowApplet& game, void* owner, Picture normal, Picture over, int x,
                                               int y, int id, AppletCallback callback);

}  // namespace slorrow
