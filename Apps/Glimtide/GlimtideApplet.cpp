#include "Apps/Glimtide/GlimtideApplet.h"

#include "Apps/Common/PictureFile.h"
#include "Apps/Glimtide/TitleScreen.h"
#include "frame/api/AppletRecord.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"

namespace glimtide {
namespace {

constexpr const char* kTrademarkLine = "<c333333><s4>Glimtide is a trademark of Rivakel.";
constexpr int kTrademarkX = 293;

constexpr std::array<const char*, kSoundCount> kSoundNames = {
    "snd-explode1.wav", "snd-explode2.wav", "snd-fire1.wav",    "snd-fire2.wav",
    "snd-gameopen.wav", "snd-gameover.wav", "snd-gamestart.wav", "snd-goodseq.wav",
    "snd-highscore.wav", "snd-mistake.wav", "snd-beepbeep.wav",
};
constexpr std::array<const char*, kPictureCount> kPictureNames = {"BtnUp.gif", "BtnDown.gif", "Dynamite.gif",
                                                                  "MiniLogo.gif", "TitleScreen.GIF"};
constexpr std::array<const char*, kCityCount> kCityNames = {"city1.gif", "city2.gif", "city3.gif"};

}  // namespace

CGlimtideApplet::CGlimtideApplet(AppletRecord* record)
    : CApplet(record, {kTrademarkLine, kTrademarkX}), sounds_(*record->factory, kSoundNames) {
    IShellServices* services = record->services;
    colours_ = std::make_unique<CColourTable>([services](int r, int g, int b) { return services->AllocColor(r, g, b); });
    for (size_t i = 0; i < cities_.size(); ++i) {
        ISurface* city = record->factory->CreateSurfaceFromFile(kCityNames[i], 0);
        if (city == nullptr) continue;
        city->SetNoHit(true);
        record->gameArea->AttachSurface(city);
        cities_[i] = AttachedSurface(record->gameArea, city);
        ParkCity(static_cast<int>(i));
    }
    for (size_t i = 0; i < pictures_.size(); ++i) pictures_[i].Reset(LoadPicture(kPictureNames[i]));
    SetScreen(nullptr, new CTitleScreen(*this));
}

// The screen goes first: it draws with what the members hold and may hold a skyline in place.
CGlimtideApplet::~CGlimtideApplet() { EndScreen(); }

void CGlimtideApplet::ParkCity(int index) const {
    if (ISurface* city = City(index)) city->SetLoc(kCityParkedX, kCityParkedY, nullptr);
}

PanelStyle CGlimtideApplet::MessagePanelStyle() {
    PanelStyle style;
    style.fill = 0x99CCFF;
    style.frame = 0x006363;
    style.outline = 0x000000;
    style.text = 0x000000;
    style.button = ButtonStyle(12);
    return style;
}

TextButtonStyle CGlimtideApplet::ButtonStyle(int pointSize) {
    TextButtonStyle style;
    style.keyed = true;
    style.closeTags = true;
    if (pointSize == 12) {
        style.fill = 0x99CCFF;
        style.normalText = 0x0000FF;
        style.hotText = 0xFFFFFF;
    } else {
        style.fill = 0x000000;
        style.normalText = 0xFFFF00;
        style.hotText = 0x0000FF;
    }
    return style;
}

ISurface* CGlimtideApplet::MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize,
                                          void* context, AppletCallback callback) {
    return CApplet::MakeTextButton(owner, label, x, y, id, pointSize, context, callback, ButtonStyle(pointSize));
}

}  // namespace glimtide
