#include "Apps/Pennimar/PennimarApplet.h"

#include <string>

#include "Apps/Common/PictureFile.h"
#include "Apps/Pennimar/TitleScreen.h"
#include "frame/api/AppletRecord.h"
#include "frame/api/IAnim.h"
#include "frame/api/IImage.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/IShellFactory.h"

namespace pennimar {
namespace {

constexpr const char* kTrademarkLine = "<c663300><s4>Pennimar is a trademark of Rivakel.";
constexpr int kTrademarkX = 293;

constexpr std::array<const char*, kSoundCount> kSoundNames = {
    "p-snd-Cow.wav",         "p-snd-Pig.wav",          "p-snd-Goat.wav",          "p-snd-Horse.wav",
    "p-snd-Bonus.wav",       "p-snd-Die.wav",          "p-snd-Extra-Life.wav",    "p-snd-Fence-Close.wav",
    "p-snd-Fence-Laying.wav", "p-snd-Game-Open.wav",   "p-snd-Game-Over.wav",     "p-snd-Get-High-Score.wav",
    "p-snd-Level-Complete.wav", "p-snd-Level-Start.wav", "p-snd-Walking.wav",
};
constexpr std::array<const char*, kPictureCount> kPictureNames = {
    "p-img-earth_tile.gif", "p-img-grass_tile.gif", "p-slb-fence.gif",         "p-slb-statusbar.gif",
    "p-img-player.gif",     "p-img-enemy.gif",      "p-img-pennimar_logo.gif",
};

size_t Slot(int kind, bool right) { return static_cast<size_t>(kind) * 2 + (right ? 1 : 0); }

}  // namespace

CPennimarApplet::CPennimarApplet(AppletRecord* record)
    : CApplet(record, {kTrademarkLine, kTrademarkX}), sounds_(*record->factory, kSoundNames) {
    IShellFactory& factory = *record->factory;
    for (size_t i = 0; i < pictures_.size(); ++i) pictures_[i].Reset(LoadPicture(kPictureNames[i]));
    for (int kind = 0; kind < kAnimalKinds; ++kind) {
        for (const bool right : {false, true}) {
            const std::string side = right ? "Right" : "Left";
            const std::string k = std::to_string(kind);
            resting_[Slot(kind, right)].Reset(LoadPicture(("p-img-AnimalResting" + side + k + ".gif").c_str()));
            walking_[Slot(kind, right)].Reset(factory.LoadImageSeq(("p-ani-Animal" + side + k + ".gif").c_str()));
        }
    }
    snores_[0].Reset(factory.LoadImageSeq("zzz-left.gif"));
    snores_[1].Reset(factory.LoadImageSeq("zzz-right.gif"));
    demo_.Reset(factory.LoadAnim("p-ani-demo.gif"));
    random_.Seed(static_cast<uint32_t>(Rand()));
    SetScreen(nullptr, new CTitleScreen(*this));
}

// The screen goes first: it draws with what the members hold.
CPennimarApplet::~CPennimarApplet() { EndScreen(); }

IImage* CPennimarApplet::Resting(int kind, bool right) const {
    return kind >= 0 && kind < kAnimalKinds ? resting_[Slot(kind, right)].Get() : nullptr;
}

IImageSeq* CPennimarApplet::Walking(int kind, bool right) const {
    return kind >= 0 && kind < kAnimalKinds ? walking_[Slot(kind, right)].Get() : nullptr;
}

TextButtonStyle CPennimarApplet::ButtonStyle(int pointSize) {
    TextButtonStyle style;
    style.keyed = true;
    style.closeTags = true;
    style.normalText = pointSize == 12 ? 0x663300 : 0x990000;
    style.hotText = pointSize == 12 ? 0x990000 : 0xFFF3C4;
    return style;
}

ISurface* CPennimarApplet::MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize,
                                          void* context, AppletCallback callback) {
    return CApplet::MakeTextButton(owner, label, x, y, id, pointSize, context, callback, ButtonStyle(pointSize));
}

PanelStyle CPennimarApplet::MessagePanelStyle() {
    PanelStyle style;
    style.fill = 0xCC9966;
    style.frame = 0x996633;
    style.outline = 0x000000;
    style.text = 0x663300;
    style.button = ButtonStyle(12);
    return style;
}

}  // namespace pennimar
