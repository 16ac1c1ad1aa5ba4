#include "Apps/Grumbolt/GrumboltApplet.h"

#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PictureFile.h"
#include "Apps/Common/PlayerSettings.h"
#include "Apps/Grumbolt/GrumboltSettings.h"
#include "Apps/Grumbolt/SwampMode.h"
#include "Apps/Grumbolt/TitleScreen.h"
#include "frame/api/AppletRecord.h"
#include "frame/api/IImage.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"

namespace grumbolt {
namespace {

constexpr const char* kTrademarkLine = "<c333333><s4>Grumbolt is a trademark of Rivakel.";
constexpr int kTrademarkX = 303;
constexpr int kMenuFlags = 51;

constexpr std::array<const char*, kSoundCount> kSoundNames = {
    "p-snd-GameOpen.wav",    "p-snd-GameStart.wav",   "p-snd-LevelComplete.wav", "p-snd-Selected.wav",
    "p-snd-FrogHop.wav",     "p-snd-FrogDisabled.wav", "p-snd-background1.snd",  "p-snd-background2.snd",
    "p-snd-background3.snd", "p-snd-applause.wav",
};
constexpr std::array<const char*, kFrogColours> kColourNames = {"Purple", "Red", "Blue", "Brown", "Gray", "Green"};
constexpr std::array<const char*, kFrogPictures> kPictureKinds = {"Idle", "Sinking", "JU", "JR", "JD", "JL"};

}  // namespace

CGrumboltApplet::CGrumboltApplet(AppletRecord* record)
    : CApplet(record, {kTrademarkLine, kTrademarkX}), sounds_(*record->factory, kSoundNames) {
    record->services->SetMenuFlags(kMenuFlags);
    dice_ = {[record](int seed) { record->SRand(seed); }, [record] { return record->Rand(); }};
    record->SRand(10);
    record->Rand();
    record->SRand(-1);

    ISettingsAccess& settings = *record->settings;
    if (!ReadSettingText(settings, kCurPlayer)) {
        settings.SetUserValue(kCurPlayer, kGuest);
        SetPlayerSettingInt(kGuest, kScore, 0);
        SetPlayerSettingInt(kGuest, kLevel, 1);
    }
    SwitchPlayer(ReadSettingText(settings, kCurPlayer, kPlayerNameMax).value_or(kGuest));

    title_.Reset(LoadPicture("p-img-Title.gif"));
    status_.Reset(LoadPicture("p-img-Status.gif"));
    for (size_t c = 0; c < kColourNames.size(); ++c)
        for (size_t k = 0; k < kPictureKinds.size(); ++k) {
            const std::string name = std::string("p-img-Frog") + kColourNames[c] + kPictureKinds[k] + ".gif";
            frogs_[c][k].Reset(record->factory->LoadImageSeq(name.c_str()));
        }
    lilypad_.Reset(record->factory->LoadImageSeq("p-img-Lilypad.gif"));
    SetScreen(nullptr, new CTitleScreen(*this));
}

// The screen goes first: its frogs are built from the pictures held here.
CGrumboltApplet::~CGrumboltApplet() { EndScreen(); }

IImageSeq* CGrumboltApplet::Frames(int colour, FrogPicture picture) const {
    if (colour < 0 || colour >= kFrogColours) return nullptr;
    return frogs_[static_cast<size_t>(colour)][static_cast<size_t>(picture)].Get();
}

void CGrumboltApplet::SwitchPlayer(const std::string& name) {
    ISettingsAccess& settings = *Globals().settings;
    player_.SetName(name);
    player_.score = ReadSettingInt(settings, PlayerKey(player_.Name(), kScore), 0);
    const auto stored = ReadSettingText(settings, PlayerKey(player_.Name(), kLevel), kSettingIntBuffer);
    player_.level = LevelFromStored(stored.value_or(""));
    if (stored != std::to_string(player_.level)) StoreLevel();
}

void CGrumboltApplet::StoreScore() { SetPlayerSettingInt(player_.Name().c_str(), kScore, player_.score); }
void CGrumboltApplet::StoreLevel() { SetPlayerSettingInt(player_.Name().c_str(), kLevel, player_.level); }

TextButtonStyle CGrumboltApplet::ButtonStyle(ButtonColour colour) {
    TextButtonStyle style;
    style.fill = colour == ButtonColour::Title ? 0x0063FF : 0x3366CC;
    style.normalText = 0x00FF00;
    style.hotText = 0x99CCFF;
    style.closeTags = true;
    return style;
}

ISurface* CGrumboltApplet::MakeTextButton(ISurface* owner, const char* label, int x, int y, ButtonColour colour,
                                          int value, int pointSize, void* context, AppletCallback callback) {
    return CApplet::MakeTextButton(owner, label, x, y, value, pointSize, context, callback, ButtonStyle(colour));
}

}  // namespace grumbolt
