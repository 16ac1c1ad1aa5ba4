#include "Apps/Brisquet/BrisquetApplet.h"

#include <string>

#include "Apps/Brisquet/BestLevel.h"
#include "Apps/Brisquet/BrisquetTexts.h"
#include "Apps/Brisquet/LevelSelectScreen.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PictureFile.h"
#include "Apps/Common/PlayerSettings.h"
#include "Apps/Common/ResourceFile.h"
#include "frame/api/AppletRecord.h"
#include "frame/api/IAnim.h"
#include "frame/api/IImage.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISound.h"
#include "frame/api/ISurface.h"

namespace brisquet {
namespace {

constexpr int kTrademarkX = 280;
constexpr int kMenuFlags = 51;
constexpr int kHelpLineStep = 20;

constexpr std::array<const char*, kSoundCount> kSoundNames = {
    "p-OpenGame.wav", "p-BubbleDisappear.wav", "p-DeadEnd.wav", "p-LevelComplete.wav", "p-LevelStart.wav",
    "p-Argh.wav",     "p-Hint.wav",            "p-Promotion.wav", "p-NoClick.wav"};
constexpr std::array<const char*, 2> kFinalSoundNames = {"p-PopFinal.wav", "p-Rumble.wav"};
constexpr std::array<const char*, kBubblePictures> kBubbleNames = {
    "p-img-bblred.gif",   "p-img-bblblue.gif",  "p-img-bblyellow.gif",
    "p-img-bblgreen.gif", "p-img-bblblack.gif", "p-img-bblwhite.gif"};

void DrawHelp(IImage& page) {
    int y = 10;
    for (std::string_view line : kHelpLines) {
        DrawMarkupText(&page, line, 0, y, *Globals().factory, MarkupEdition::Old);
        y += kHelpLineStep;
    }
}

HelpPageStyle HelpStyle() {
    HelpPageStyle style(std::string(kTrademark), kTrademarkX);
    style.draw = &DrawHelp;
    return style;
}

}  // namespace

CBrisquetApplet::CBrisquetApplet(AppletRecord* record)
    : CApplet(record, HelpStyle()), sounds_(*record->factory, kSoundNames) {
    record->SRand(-1);
    for (size_t i = 0; i < finalSounds_.size(); ++i)
        finalSounds_[i].Reset(record->factory->CreateSound(kFinalSoundNames[i], 0));
    Play(Sound::OpenGame);
    WriteSettingInt(*record->settings, kBestLevelKey, ClampBestLevel(ReadSettingInt(*record->settings, kBestLevelKey, 0)));
    record->services->SetMenuFlags(kMenuFlags);
    LoadBubbles();
    title_.Reset(LoadPicture("p-img-title.gif"));
    smallTitle_.Reset(LoadPicture("p-img-titlesmall.gif"));
    boardEdge_.Reset(LoadPicture("p-slb-boardedge.gif"));
    SetScreen(nullptr, new CLevelSelectScreen(*this));
}

// The screen goes first: its bubbles run the animations and it draws with the pictures.
CBrisquetApplet::~CBrisquetApplet() {
    EndScreen();
    board_.reset();
}

void CBrisquetApplet::LoadBubbles() {
    IShellFactory& factory = *record()->factory;
    for (size_t i = 0; i < kBubblePictures; ++i) {
        animRefs_[i].Reset(factory.LoadAnim(kBubbleNames[i]));
        anims_[i] = animRefs_[i].Get();
    }
    if (IAnim* white = anims_[kWhiteKind - 1]) white->GetImageSeq(flashRef_.Out());
    flashes_.fill(flashRef_.Get());
}

IAnim* CBrisquetApplet::BubbleAnim(int kind) const {
    return kind >= 1 && kind <= kBubblePictures ? anims_[static_cast<size_t>(kind - 1)] : nullptr;
}

ISurface* CBrisquetApplet::MakeBubble(ISurface& parent, int kind, int x, int y) const {
    IAnim* kindAnim = BubbleAnim(kind);
    if (kindAnim == nullptr) return nullptr;
    IShellFactory& factory = *record()->factory;
    ShellRef<IImageSeq> sequence;
    kindAnim->GetImageSeq(sequence.Out());
    const ShellRef<IAnim> anim(sequence ? factory.CreateAnim(sequence.Get()) : nullptr);
    ISurface* surface = anim ? factory.CreateSurfaceFromAnim(anim.Get(), kSurfaceColourKeyed) : nullptr;
    if (surface == nullptr) return nullptr;
    surface->SetLoc(x, y, nullptr);
    parent.AttachSurface(surface);
    surface->StartAnim();
    return surface;
}

void CBrisquetApplet::PlayOnce(FinalSound sound, int loops) {
    const auto index = static_cast<size_t>(sound);
    if (!finalSoundPending_[index]) return;
    finalSoundPending_[index] = false;
    if (finalSounds_[index]) finalSounds_[index]->Play(loops);
}

bool CBrisquetApplet::LoadLevel(int screen) {
    CResourceFile file(LevelFileName(screen).c_str());
    if (!file.IsLoaded()) return false;
    std::optional<Level> level = ReadLevel(file);
    if (!level) return false;
    record()->services->SetAppletName(level->name.c_str());
    board_ = std::make_unique<BrisquetBoard>(std::move(*level), screen);
    return true;
}

void CBrisquetApplet::Promote(int nextScreen) {
    ISettingsAccess& settings = *record()->settings;
    WriteSettingInt(settings, kBestLevelKey, PromotedBestLevel(ReadSettingInt(settings, kBestLevelKey, 0), nextScreen));
}

ISurface* CBrisquetApplet::MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize,
                                          void* context, AppletCallback callback) {
    TextButtonStyle style;
    style.normalText = 0xFFFFFF;
    style.hotText = 0xFF0000;
    return CApplet::MakeTextButton(owner, label, x, y, id, pointSize, context, callback, style);
}

}  // namespace brisquet
