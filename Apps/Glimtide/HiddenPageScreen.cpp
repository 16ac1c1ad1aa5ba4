#include "Apps/Glimtide/HiddenPageScreen.h"

#include <vector>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/PictureFile.h"
#include "Apps/Common/ResourceFile.h"
#include "Apps/Glimtide/TitleScreen.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace glimtide {
namespace {

constexpr const char* kPlaque = "StaffPlaque.gif";
constexpr const char* kJokeText = "StaffJoke.rml";
constexpr size_t kJokeTextMax = 4000;

}  // namespace

CHiddenPageScreen::CHiddenPageScreen(CGlimtideApplet& owner) : CGlimtideScreen(owner) {
    game.Play(Sound::GameOver);
    if (canvas != nullptr) {
        canvas->ClearToColor(128, 128, 128);
        if (IImage* plaque = LoadPicture(kPlaque)) {
            canvas->DrawAt(plaque, 210, 10);
            plaque->Release();
        }
    }
    button_ = game.MakeTextButton(gameArea, "Return to Game", 348, 397, 0, 18, this,
                                  Forward<&CHiddenPageScreen::ReturnToGame>);
    std::vector<char> text(kJokeTextMax + 1);
    if (canvas != nullptr && CResourceFile(kJokeText).ReadQuotedString(text) == 0) {
        for (char& c : text)
            if (c == '\r' || c == '\n') c = ' ';
        DrawMarkupText(canvas, text.data(), 0, 105);
    }
    timer_ = factory->CreateTimer(this, 100, NullTickThunk);
    if (timer_ != nullptr) timer_->Start();
}

CHiddenPageScreen::~CHiddenPageScreen() {
    if (button_ != nullptr) {
        gameArea->DetachSurface(button_);
        button_->Release();
    }
    if (timer_ != nullptr) {
        timer_->Stop();
        timer_->Release();
    }
}

int CHiddenPageScreen::ReturnToGame(intptr_t*) {
    game.SetScreen(this, new CTitleScreen(game));
    return 0;
}

}  // namespace glimtide
