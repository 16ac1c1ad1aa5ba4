#include "Apps/Slorrow/SlorrowApplet.h"

#include "Apps/Common/MirroredSequence.h"
#include "Apps/Common/PictureFile.h"
#include "Apps/Slorrow/TitleScreen.h"
#include "frame/api/AppletRecord.h"
#include "frame/api/IImage.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"

namespace slorrow {
namespace {

constexpr const char* kTrademarkLine = "<c999999><s4>Slorrow is a trademark of Rivakel.";
constexpr int kTrademarkRight = 495;

HelpPageStyle HelpStyle() {
    HelpPageStyle style(kTrademarkLine, kTrademarkRight);
    style.trademarkRightAligned = true;
    return style;
}

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
    "img-WindBarCenter-114x68.gif",    "img-frame-75x21.gif",            "img-framestar-31x28.gif",
    "img-powernotch-3x18.gif",         "img-AirPlane-429x58.gif",        "img-Zorbit-62x40.gif",
    "img-popularass-45x47.gif",        "img-popularElephant-45x47.gif",
    "img-BramboComment-232x147.gif",   "img-QuilletComment-232x147.gif", "img-titlelogo-500x128.gif",
    "img-REDWHITEBLUEbackground-500x420.gif", "img-SelectLogo-500x128.gif", "img-star-45x50.gif",
    "img-star-27x30.gif",              "img-BramboSelectL-173x243.gif",  "img-BramboSelectR-156x238.gif",
    "img-QuilletSelectL-142x249.gif",  "img-QuilletSelectR-168x243.gif", "img-Player1_2-500x58.gif",
    "img-SwitchIcon-165x64.gif",       "img-SwitchIconOver-165x64.gif",  "img-FightIcon-134x87.gif",
    "img-FightIconOver-134x87.gif",
    "img-hill01-335x305.gif",          "img-hill02-332x354.gif",         "img-hill03-217x381.gif",
    "img-hill04-343x353.gif",          "img-hill05-217x301.gif",         "img-hill06-281x306.gif",
};

// "ani-quilletdizzy-58x72.gif" names the same resource as the hit pose's spelling.
constexpr std::array<const char*, kSequenceCount> kSequenceNames = {
    "ani-mudball-16x16.gif",     "ani-arrow-30x43.gif",        "orb.gif",
    "ani-brambostand-20x55.gif", "ani-brambodizzy-58x72.gif",  "ani-BramboWin-33x53.gif",
    "ani-QuilletStand-39x65.gif", "ani-QuilletDizzy-58x72.gif", "ani-QuilletWin-40x86.gif",
};

constexpr int kNotchFirstX = 40;
constexpr int kNotchLastX = 355;
constexpr int kNotchStep = 5;
constexpr int kNotchY = 12;

// The promotion ran until the end of 7 December 2000.
constexpr int kPromotionEndYear = 2000;
constexpr int kPromotionEndMonth = 12;
constexpr int kPromotionLastDay = 7;

}  // namespace

bool PromotionOnAt(int year, int month, int day) {
    if (year != kPromotionEndYear) return year < kPromotionEndYear;
    if (month != kPromotionEndMonth) return month < kPromotionEndMonth;
    return day <= kPromotionLastDay;
}

CSlorrowApplet::CSlorrowApplet(AppletRecord* record)
    : CApplet(record, HelpStyle()), sounds_(*record->factory, kSoundNames) {
    IShellFactory& factory = *record->factory;
    for (size_t i = 0; i < pictures_.size(); ++i) pictures_[i].Reset(LoadPicture(kPictureNames[i]));
    for (size_t i = 0; i < sequences_.size(); ++i) {
        sequences_[i].Reset(factory.LoadImageSeq(kSequenceNames[i]));
        if (i >= static_cast<size_t>(kFirstCandidateSequence) && sequences_[i])
            mirrored_[i] = MirroredSequence(factory, *sequences_[i]);
    }
    sidesSwapped = (Rand() & 1) != 0;
    AppletTimeRecord today{};
    if (record->services->GetTime(&today) == 0) promotionOn = PromotionOnAt(today.year, today.month, today.day);
    MakeStrip(factory);
    Play(Sound::Open);
    SetScreen(nullptr, new CTitleScreen(*this));
}

void CSlorrowApplet::MakeStrip(IShellFactory& factory) {
    strip_.Reset(factory.CreateImage(kStripWidth, kStripHeight, kSurfaceColourKeyed));
    if (!strip_) return;
    IImage& strip = *strip_;
    strip.ClearToColor(0xFF, 0x00, 0xFF);
    if (IImage* notch = GetPicture(Picture::MeterNotch))
        for (int x = kNotchFirstX; x <= kNotchLastX; x += kNotchStep) strip.DrawAt(notch, x, kNotchY);
    if (IImage* party = GetPicture(Picture::PartyLeft)) strip.DrawAt(party, 0, 0);
    if (IImage* party = GetPicture(Picture::PartyRight)) strip.DrawAt(party, kNotchLastX, 0);
}

IImageSeq* CSlorrowApplet::GetSequence(Sequence sequence, bool mirrored) const {
    const auto i = static_cast<size_t>(sequence);
    if (mirrored && mirrored_[i]) return mirrored_[i].Get();
    return sequences_[i].Get();
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
