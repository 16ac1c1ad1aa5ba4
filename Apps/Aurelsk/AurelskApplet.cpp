#include "Apps/Aurelsk/AurelskApplet.h"

#include <span>
#include <vector>

#include "Apps/Common/PictureFile.h"
#include "Apps/Aurelsk/SeaColours.h"
#include "Apps/Aurelsk/TitleScreen.h"
#include "frame/api/AppletRecord.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/IShellFactory.h"

namespace aurelsk {
namespace {

constexpr const char* kTrademarkLine = "<c333333><s4>Aurelsk is a trademark of Rivakel.";
constexpr int kTrademarkX = 303;

constexpr std::array<const char*, kSoundCount> kSoundNames = {
    "p-snd-emerge.wav",    "p-snd-explosion.wav",  "p-snd-gameopen2v.wav", "p-snd-torpedo.wav",
    "p-snd-treasurepickup.wav", "p-snd-gamestart.wav", "p-snd-freelife.wav",
};
constexpr std::array<const char*, kPictureCount> kPictureNames = {
    "p-img-Status.gif",   "p-img-ScorePlate.gif",  "p-img-Hold.gif",        "p-img-OxygenNotch.gif",
    "p-img-LivesIcon.gif", "p-img-GameOver.gif",   "p-img-TitleScreen.gif", "p-img-OceanBottom.gif",
    "p-img-Seabed.gif",
};

struct SequenceFile {
    const char* name;
    std::span<const ColourSwap> swaps;
};
constexpr std::array<SequenceFile, kSequenceCount> kSequenceFiles = {{
    {"p-img-AlphaLeft.gif", {}},
    {"p-img-AlphaRight.gif", {}},
    {"p-img-AlphaLeft.gif", kWarningSwaps},
    {"p-img-AlphaRight.gif", kWarningSwaps},
    {"p-img-PirateSubLeft.gif", {}},
    {"p-img-PirateSubRight.gif", {}},
    {"p-img-DamagedSubLeft.gif", {}},
    {"p-img-DamagedSubRight.gif", {}},
    {"p-img-MiniPirateSubLeft.gif", {}},
    {"p-img-MiniPirateSubRight.gif", {}},
    {"p-img-SharkLeft.gif", {}},
    {"p-img-SharkRight.gif", {}},
    {"p-img-TorpedoLeft.gif", {}},
    {"p-img-TorpedoRight.gif", {}},
    {"p-img-TorpedoLeft.gif", kEnemyTorpedoSwaps},
    {"p-img-TorpedoRight.gif", kEnemyTorpedoSwaps},
    {"p-img-AlphaExplosion.gif", {}},
    {"p-img-BigExplosion.gif", {}},
    {"p-img-Treasure.gif", {}},
    {"p-img-TreasureChest.gif", {}},
    {"p-img-HoldLit.gif", {}},
    {"p-img-TitleInstructions.gif", {}},
}};

IImageSeq* LoadSequence(IShellFactory& factory, const SequenceFile& file) {
    if (file.swaps.empty()) return factory.LoadImageSeq(file.name);
    std::vector<int> map{static_cast<int>(file.swaps.size())};
    for (const ColourSwap& swap : file.swaps) {
        map.push_back(static_cast<int>(swap.from));
        map.push_back(static_cast<int>(swap.to));
    }
    return factory.LoadImageSeqRecolored(file.name, map.data());
}

}  // namespace

CAurelskApplet::CAurelskApplet(AppletRecord* record)
    : CApplet(record, {kTrademarkLine, kTrademarkX}), sounds_(*record->factory, kSoundNames) {
    for (size_t i = 0; i < pictures_.size(); ++i) pictures_[i].Reset(LoadPicture(kPictureNames[i]));
    for (size_t i = 0; i < sequences_.size(); ++i) sequences_[i].Reset(LoadSequence(*record->factory, kSequenceFiles[i]));
    SetScreen(nullptr, new CTitleScreen(*this));
}

// The screen goes first: its sprites are built on the sequences held here.
CAurelskApplet::~CAurelskApplet() { EndScreen(); }

TextButtonStyle CAurelskApplet::ButtonStyle() {
    TextButtonStyle style;
    style.keyed = true;
    style.normalText = 0x000000;
    style.hotText = 0x0000FF;
    return style;
}

ISurface* CAurelskApplet::MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize,
                                         void* context, AppletCallback callback) {
    return CApplet::MakeTextButton(owner, label, x, y, id, pointSize, context, callback, ButtonStyle());
}

}  // namespace aurelsk
