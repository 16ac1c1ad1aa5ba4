#include "Apps/Vintrel/VintrelApplet.h"

#include <string>

#include "Apps/Common/PictureFile.h"
#include "Apps/Vintrel/TitleScreen.h"
#include "frame/api/AppletRecord.h"
#include "frame/api/IImage.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"

namespace vintrel {
namespace {

constexpr const char* kTrademarkLine = "<c333333><s4>Vintrel is a trademark of Rivakel.";
constexpr int kTrademarkX = 303;
constexpr int kMenuFlags = 51;
constexpr int kPondFrame = 2;

constexpr std::array<const char*, kSoundCount> kSoundNames = {
    "snd-gameopen.wav",      "snd-gameover-highscore.wav", "snd-gameover.wav",    "snd-gamestart.wav",
    "snd-loselife.wav",      "snd-vinteats.wav",           "snd-vintgrowth.wav",  "snd-newbaddieGood.wav",
    "snd-newbaddieBad.wav",  "snd-randbg.wav",             "snd-ExtraLife.wav",
};
constexpr std::array<const char*, kSequenceCount> kSequenceNames = {
    "ani-baddie-blob-39x39.gif", "ani-vintrel_angel-19x19.gif", "ani-titlescreen_animation-500x79.gif",
    "img-backgroundscreen-500x420.gif"};
// Sets in the order Blob() indexes them: kind, then facing.
constexpr std::array<const char*, 4> kBlobSetNames = {"vintrel_right", "vintrel_left", "baddie_right", "baddie_left"};

}  // namespace

CVintrelApplet::CVintrelApplet(AppletRecord* record)
    : CApplet(record, {kTrademarkLine, kTrademarkX}), sounds_(*record->factory, kSoundNames) {
    record->services->SetMenuFlags(kMenuFlags);
    IShellFactory& factory = *record->factory;
    for (size_t set = 0; set < kBlobSets; ++set)
        for (int size = 1; size <= kMaxBaddieSize; ++size) {
            const std::string pixels = std::to_string(SpritePixels(size));
            const std::string name = std::string("ani-") + kBlobSetNames[set] + "-" + pixels + "x" + pixels + ".gif";
            blobs_[set][static_cast<size_t>(size - 1)].Reset(factory.LoadImageSeq(name.c_str()));
        }
    for (size_t i = 0; i < sequences_.size(); ++i) sequences_[i].Reset(factory.LoadImageSeq(kSequenceNames[i]));
    title_.Reset(LoadPicture("img-titlescreen-500x420.gif"));
    if (IImageSeq* start = GetSequence(Sequence::Start)) start->GetImage(kPondFrame, pond_.Out());
    plaques_.Reset(LoadPicture("img-plaques-500x420.gif"));
    SetScreen(nullptr, new CTitleScreen(*this));
}

// The screen goes first: its blobs are built on the sequences held here.
CVintrelApplet::~CVintrelApplet() { EndScreen(); }

IImageSeq* CVintrelApplet::Blob(BlobKind kind, bool facingLeft, int size) const {
    if (size < 1 || size > kMaxBaddieSize) return nullptr;
    const size_t set = (kind == BlobKind::Baddie ? 2 : 0) + (facingLeft ? 1 : 0);
    return blobs_[set][static_cast<size_t>(size - 1)].Get();
}

TextButtonStyle CVintrelApplet::ButtonStyle(ButtonLook look) {
    TextButtonStyle style;
    switch (look) {
        case ButtonLook::Start: style.fill = 0x66CCFF; break;
        case ButtonLook::Panel: style.fill = 0x99CCFF; break;
        case ButtonLook::Staff: style.fill = 0xFF9933; break;
    }
    style.normalText = 0x000000;
    style.hotText = 0xFFFFFF;
    return style;
}

ISurface* CVintrelApplet::MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize,
                                         ButtonLook look, void* context, AppletCallback callback) {
    return CApplet::MakeTextButton(owner, label, x, y, id, pointSize, context, callback, ButtonStyle(look));
}

}  // namespace vintrel
