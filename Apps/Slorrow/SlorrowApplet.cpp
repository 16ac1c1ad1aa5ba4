#include "Apps/Slorrow/SlorrowApplet.h"

#include "Apps/Common/PictureFile.h"
#include "Apps/Slorrow/TitleScreen.h"
#include "frame/api/AppletRecord.h"
#include "frame/api/IImage.h"

namespace slorrow {
namespace {

constexpr const char* kTrademarkLine = "<c333333><s4>Slorrow is a trademark of Rivakel.";
constexpr int kTrademarkX = 300;

constexpr std::array<const char*, kSoundCount> kSoundNames = {
    "button_switch_press.wav", "candidate_throw_mud.wav", "game_start_temp.wav",
    "gameopen.wav",            "mud_hit_candidate.wav",   "mud_hit_land.wav",
};

constexpr std::array<const char*, kPictureCount> kPictureNames = {
    "img-TitleImage-434x299.gif",      "img-1Player-128x61.gif",         "img-1PlayerOver-128x61.gif",
    "img-2Player-128x61.gif",          "img-2PlayerOver-128x61.gif",     "img-TryAgainButton-132x74.gif",
    "img-TryAgainButtonOver-132x74.gif", "img-QuitButton-90x70.gif",     "img-QuitButtonOver-90x70.gif",
    "img-hillsblue-1567x396.gif",      "img-bottomBanner-500x58.gif",    "img-popularitymeter-48x47.gif",
    "img-popularitynotch-5x25.gif",    "img-WindBar-11x36.gif",          "img-WindArrow-15x30.gif",
    "ani-arrow-30x43.gif",             "ani-mudball-16x16.gif",          "orb.gif",
    "ani-brambostand-20x55.gif",       "ani-brambodizzy-58x72.gif",      "ani-BramboWin-33x53.gif",
    "ani-QuilletStand-39x65.gif",      "ani-QuilletDizzy-58x72.gif",     "ani-QuilletWin-40x86.gif",
    "img-BramboComment-232x147.gif",   "img-QuilletComment-232x147.gif", "img-titlelogo-500x128.gif",
    "img-REDWHITEBLUEbackground-500x420.gif", "img-SelectLogo-500x128.gif", "img-star-45x50.gif",
    "img-star-27x30.gif",              "img-BramboSelectL-173x243.gif",  "img-BramboSelectR-156x238.gif",
    "img-QuilletSelectL-142x249.gif",  "img-QuilletSelectR-168x243.gif", "img-Player1_2-500x58.gif",
    "img-SwitchIcon-165x64.gif",       "img-SwitchIconOver-165x64.gif",  "img-FightIcon-134x87.gif",
    "img-FightIconOver-134x87.gif",
    "img-hill01-335x305.gif",          "img-hill02-332x354.gif",         "img-hill03-217x381.gif",
    "img-hill04-343x353.gif",          "img-hill05-217x301.gif",         "img-hill06-281x306.gif",
};

}  // namespace

CSlorrowApplet::CSlorrowApplet(AppletRecord* record)
    : CApplet(record, {kTrademarkLine, kTrademarkX}), sounds_(*record->factory, kSoundNames) {
    for (size_t i = 0; i < pictures_.size(); ++i) pictures_[i].Reset(LoadPicture(kPictureNames[i]));
    sidesSwapped = (Rand() & 1) != 0;
    Play(Sound::Open);
    SetScreen(nullptr, new CTitleScreen(*this));
}

// The screen goes first: it draws with the pictures the members hold.
CSlorrowApplet::~CSlorrowApplet() { EndScreen(); }

void CSlorrowApplet::DrawBackdrop(IImage* canvas, Picture logo) const {
    if (canvas == nullptr) return;
    canvas->ClearToColor(255, 255, 255);
    const auto draw = [canvas](IImage* picture, int x, int y) {
        if (picture != nullptr) canvas->DrawAt(picture, x, y);
    };
    draw(GetPicture(Picture::Background), 0, 0);
    draw(GetPicture(logo), 0, 0);
    draw(GetPicture(Picture::BigStar), 3, 10);
    draw(GetPicture(Picture::BigStar), 442, 10);
    draw(GetPicture(Picture::SmallStar), 53, 10);
    draw(GetPicture(Picture::SmallStar), 410, 10);
}

}  // namespace slorrow
