#include "Apps/Slorrow/TitleScreen.h"

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Slorrow/DuelScreen.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellServices.h"

namespace slorrow {

std::unique_ptr<ImageButton> MakeTwoLookButton(CSlorrowApplet& game, void* owner, Picture normal, Picture over, int x,
                                               int y, int id, AppletCallback callback) {
    if (game.GetPicture(normal) == nullptr) return nullptr;
    ButtonPictures pictures{};
    pictures[static_cast<size_t>(ButtonLook::Normal)] = game.GetPicture(normal);
    pictures[static_cast<size_t>(ButtonLook::Pressed)] = game.GetPicture(over);
    pictures[static_cast<size_t>(ButtonLook::Hover)] = game.GetPicture(over);
    return std::make_unique<ImageButton>(owner, pictures, x, y, id, false, callback, ButtonSounds{});
}

CTitleScreen::CTitleScreen(CSlorrowApplet& owner) : CSlorrowScreen(owner) {
    game.Play(Sound::Open);
    if (canvas != nullptr) {
        canvas->ClearToColor(255, 255, 255);
        if (IImage* logo = game.GetPicture(Picture::TitleLogo)) canvas->DrawAt(logo, 0, 0);
        if (IImage* title = game.GetPicture(Picture::Title)) canvas->DrawAt(title, 33, 121);
    }
    const AppletCallback choose = Forward<&CTitleScreen::OnChoose>;
    onePlayer_ = MakeTwoLookButton(game, this, Picture::OnePlayer, Picture::OnePlayerOver, 90, 350, 1, choose);
    twoPlayers_ = MakeTwoLookButton(game, this, Picture::TwoPlayer, Picture::TwoPlayerOver, 282, 350, 2, choose);
    Globals().services->SetStopMode(kStopFreely);
}

int CTitleScreen::OnChoose(intptr_t* args) {
    const int players = static_cast<int>(args[2]);
    if (players != 1 && players != 2) return 0;
    game.Play(Sound::Switch);
    game.SetScreen(this, new CDuelScreen(game, players));
    return 0;
}

}  // namespace slorrow
