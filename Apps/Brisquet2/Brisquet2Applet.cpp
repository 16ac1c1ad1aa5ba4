#include "Apps/Brisquet2/Brisquet2Applet.h"

#include "Apps/Brisquet2/PuzzleSession.h"
#include "Apps/Brisquet2/StaffCredits.h"
#include "Apps/Brisquet2/TitleScreen.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PictureFile.h"
#include "Apps/Common/PlayerSettings.h"
#include "frame/api/AppletRecord.h"
#include "frame/api/IAnim.h"
#include "frame/api/IImage.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"

namespace brisquet2 {
namespace {

constexpr int kTrademarkX = 280;
constexpr int kMenuFlags = 51;

constexpr std::array<const char*, kSoundCount> kSoundNames = {
    "p-OpenGame.wav",   "p-BubbleDisappear.wav", "p-DeadEnd.wav",             "p-LevelComplete.wav",
    "p-LevelStart.wav", "p-NoClick.wav",         "snd-beforeselectlevel.wav", "snd-challengesolved.wav",
};
constexpr std::array<const char*, kKindCount> kIdleNames = {
    "ani-brownbubble-32x32.gif", "ani-graybubble-32x32.gif", "ani-greenbubble-32x32.gif",
    "ani-magentabubble-32x32.gif", "img-bbltrans-32x32.gif"};
constexpr std::array<const char*, kKindCount> kPopNames = {
    "ani-brownbubble_pop-32x32.gif", "ani-graybubble_pop-32x32.gif", "ani-greenbubble_pop-32x32.gif",
    "ani-magentabubble_pop-32x32.gif", "img-bbltrans-32x32.gif"};
// The bubbles are drawn in greys; the game shows them warm.
constexpr int kRecolourMap[] = {6,        0xCCCCCC, 0xFFCC66, 0x999999, 0xCC9933, 0x9999CC, 0xCC66FF,
                                0x666699, 0x9933CC, 0xCC9999, 0xFF6666, 0x996666, 0xCC0033};
constexpr const char* kGuest = "Guest";

}  // namespace

CBrisquet2Applet::CBrisquet2Applet(AppletRecord* record)
    : CApplet(record, {std::string(kHelpTrademark), kTrademarkX}), sounds_(*record->factory, kSoundNames) {
    record->SRand(-1);
    ISettingsAccess& settings = *record->settings;
    if (!ReadSettingText(settings, kCurPlayerKey, kPlayerNameMax)) {
        settings.SetUserValue(kCurPlayerKey, kGuest);
        player_.SetName(kGuest);
        ResetPlayerItems();
    }
    SwitchPlayer(ReadSettingText(settings, kCurPlayerKey, kPlayerNameMax).value_or(kGuest));
    Play(Sound::OpenGame);
    record->services->SetMenuFlags(kMenuFlags);
    LoadBubbles();
    if (IImageSeq* frames = record->factory->LoadImageSeq("img-background-500x420.gif")) {
        frames->GetImage(0, background_.Out());
        frames->GetImage(1, backgroundOther_.Out());
        frames->Release();
    }
    title_.Reset(LoadPicture("img-titlescreen-500x420.gif"));
    SetScreen(nullptr, new CTitleScreen(*this));
}

// The screen goes first: it draws with the pictures and its bubbles run the animations.
CBrisquet2Applet::~CBrisquet2Applet() { EndScreen(); }

void CBrisquet2Applet::LoadBubbles() {
    IShellFactory& factory = *record()->factory;
    for (size_t i = 0; i < kKindCount; ++i) {
        if (IImageSeq* idle = factory.LoadImageSeqRecolored(kIdleNames[i], kRecolourMap)) {
            idleRefs_[i].Reset(factory.CreateAnim(idle));
            idle->Release();
        }
        popRefs_[i].Reset(factory.LoadImageSeqRecolored(kPopNames[i], kRecolourMap));
        idle_[i] = idleRefs_[i].Get();
        pops_[i] = popRefs_[i].Get();
    }
}

IAnim* CBrisquet2Applet::BubbleAnim(int kind) const {
    return kind >= 1 && kind <= kKindCount ? idle_[static_cast<size_t>(kind - 1)] : nullptr;
}

void CBrisquet2Applet::SwitchPlayer(std::string_view name) {
    player_.SetName(name);
    const char* who = player_.Name().c_str();
    Globals().settings->SetUserValue(kCurPlayerKey, who);
    if (GetPlayerSettingInt(who, kLevelItem) == 0) ResetPlayerItems();
    player_.score = GetPlayerSettingInt(who, kScoreItem);
    player_.level = ClampLevel(GetPlayerSettingInt(who, kLevelItem));
}

void CBrisquet2Applet::ResetPlayerItems() {
    const char* who = player_.Name().c_str();
    SetPlayerSettingInt(who, kLevelItem, 1);
    SetPlayerSettingInt(who, kScoreItem, 0);
    SetPlayerSettingInt(who, kSolvedItem, 0);
    SetPlayerSettingInt(who, kAttemptedItem, 0);
    player_.score = 0;
    player_.level = 1;
}

void CBrisquet2Applet::AddToItem(const char* item, int amount) {
    const char* who = player_.Name().c_str();
    SetPlayerSettingInt(who, item, GetPlayerSettingInt(who, item) + amount);
}

ShellRandom CBrisquet2Applet::ShellGenerator() {
    AppletRecord* shell = record();
    return {[shell](int seed) { shell->SRand(seed); }, [shell] { return shell->Rand(); }};
}

TextButtonStyle CBrisquet2Applet::ButtonStyle() const {
    TextButtonStyle style;
    style.keyed = true;
    style.closeTags = true;
    style.normalText = titleButtons_ ? 0x00FFFF : 0x000000;
    style.hotText = titleButtons_ ? 0x000000 : 0x00FFFF;
    return style;
}

ISurface* CBrisquet2Applet::MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize,
                                           void* context, AppletCallback callback) {
    return CApplet::MakeTextButton(owner, label, x, y, id, pointSize, context, callback, ButtonStyle());
}

}  // namespace brisquet2
