#include "Apps/Slorrow/TitleScreen.h"

#include <array>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Slorrow/DuelScreen.h"
#include "Apps/Slorrow/StaffList.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
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
    Globals().services->SetStopMode(kStopFreely);
    if (game.replay) {
        game.replay = false;
        ShowSelection();
        return;
    }
    game.DrawBackdrop(canvas, Picture::TitleLogo);
    if (canvas != nullptr)
        if (IImage* title = game.GetPicture(Picture::Title)) canvas->DrawAt(title, 30, 103);
    const AppletCallback choose = Forward<&CTitleScreen::OnChoose>;
    onePlayer_ = MakeTwoLookButton(game, this, Picture::OnePlayer, Picture::OnePlayerOver, 40, 290, 1, choose);
    twoPlayers_ = MakeTwoLookButton(game, this, Picture::TwoPlayer, Picture::TwoPlayerOver, 40, 350, 2, choose);
    keyListener_.Reset(
        factory->AddListener(Globals().services, applet::kKeyDown, this, Forward<&CTitleScreen::CheckTypedCode>));
    if (game.promotionOn)
        partner_ = MakeTwoLookButton(game, this, Picture::Partner, Picture::Partner, 431, 379, 1,
                                     Forward<&CTitleScreen::OnPartner>);
}

int CTitleScreen::OnPartner(intptr_t*) {
    Globals().services->OpenURL(kPartnerAddress);
    return 0;
}

int CTitleScreen::CheckTypedCode(intptr_t* args) {
    if (staffCode_.Feed(static_cast<int>(args[2]))) game.SetScreen(this, new CStaffScreen(game, SlorrowStaffStyle()));
    return 0;
}

CScreen* MakeTitleScreen(CApplet& app) { return new CTitleScreen(static_cast<CSlorrowApplet&>(app)); }

int CTitleScreen::OnChoose(intptr_t* args) {
    const int players = static_cast<int>(args[2]);
    if (players != 1 && players != 2) return 0;
    game.lastPlayers = players;
    onePlayer_.reset();
    twoPlayers_.reset();
    partner_.reset();
    ShowSelection();
    return 0;
}

void CTitleScreen::ShowSelection() {
    DrawSelection();
    switch_ = MakeTwoLookButton(game, this, Picture::Switch, Picture::SwitchOver, 165, 100, 1,
                                Forward<&CTitleScreen::OnSwitch>);
    fight_ = MakeTwoLookButton(game, this, Picture::Fight, Picture::FightOver, 190, 333, 1,
                               Forward<&CTitleScreen::OnFight>);
}

void CTitleScreen::DrawSelection() {
    game.DrawBackdrop(canvas, Picture::SelectLogo);
    if (canvas == nullptr) return;
    const auto draw = [this](Picture picture, int x, int y) {
        if (IImage* image = game.GetPicture(picture)) canvas->DrawAt(image, x, y);
    };
    if (game.sidesSwapped) {
        draw(Picture::BramboSelectL, 5, 109);
        draw(Picture::QuilletSelectR, 325, 112);
    } else {
        draw(Picture::QuilletSelectL, 5, 112);
        draw(Picture::BramboSelectR, 325, 115);
    }
    DrawMarkupText(canvas, "<S2><c000000><B>Aiming and Throwing</B>", 170, 180);
    constexpr std::array<const char*, 5> kRules = {
        "<S3><i>Move</i> your mouse to select the", "<S3>angle that you will throw at.", "<S3><I>Hold down</i> the mouse button",
        "<S3>to charge the strength of your", "<S3>throw.  Happy campaigning!"};
    int y = 205;
    for (const char* line : kRules) {
        DrawMarkupText(canvas, line, 160, y);
        y += 15;
    }
    draw(Picture::PlayersBanner, 0, 350);
}

int CTitleScreen::OnSwitch(intptr_t*) {
    game.sidesSwapped = !game.sidesSwapped;
    game.Play(Sound::Switch);
    DrawSelection();
    return 0;
}

int CTitleScreen::OnFight(intptr_t*) {
    game.SetScreen(this, new CDuelScreen(game, game.lastPlayers));
    return 0;
}

}  // namespace slorrow
