#include "Apps/Pellawick/PellawickApplet.h"

#include <cstdio>

#include "Apps/Common/PictureFile.h"
#include "Apps/Common/PlayerSettings.h"
#include "Apps/Pellawick/TitleScreen.h"
#include "frame/api/AppletRecord.h"
#include "frame/api/IImage.h"
#include "frame/api/ISettingsAccess.h"

namespace pellawick {
namespace {

constexpr const char* kTrademarkLine = "<c333333><s4>Pellawick is a trademark of Rivakel.";
constexpr int kTrademarkX = 283;
constexpr const char* kCurPlayer = "CurPlayer";
constexpr const char* kGuest = "Guest";

constexpr std::array<const char*, static_cast<size_t>(Picture::Count)> kPictureNames = {
    "img-title-500x420.gif", "img-bench.gif", "img-chair_endrow_left-46x46.gif", "img-chair_endrow_right-46x46.gif",
    "img-scoreboard-228x133.gif", "img-scoreboard_wing-64x133.gif",
};

std::array<const char*, kSoundCount> SoundNames() {
    std::array<const char*, kSoundCount> names{};
    for (size_t i = 0; i < names.size(); ++i) names[i] = SoundName(static_cast<Sound>(i));
    return names;
}

template <size_t N>
void LoadNumbered(std::array<ShellRef<IImage>, N>& images, const char* format, int first) {
    for (size_t i = 0; i < N; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, format, static_cast<int>(i) + first);
        images[i].Reset(LoadPicture(name));
    }
}

}  // namespace

CPellawickApplet::CPellawickApplet(AppletRecord* record)
    : CApplet(record, {kTrademarkLine, kTrademarkX}), sounds_(*record->factory, SoundNames()) {
    ISettingsAccess& settings = *record->settings;
    std::optional<std::string> name = ReadSettingText(settings, kCurPlayer, kPlayerNameMax);
    if (!name) {
        settings.SetUserValue(kCurPlayer, kGuest);
        SetPlayerSettingInt(kGuest, "Level", 1);
        SetPlayerSettingInt(kGuest, "Score", 0);
        name = kGuest;
    }
    player_.SetName(*name);
    player_.score = GetPlayerSettingInt(player_.Name().c_str(), "Score");

    for (size_t i = 0; i < pictures_.size(); ++i) pictures_[i].Reset(LoadPicture(kPictureNames[i]));
    LoadNumbered(legs_, "img-leg%d-23x24.gif", 1);
    LoadNumbered(bubbles_, "img-bubble%d-39x29.gif", 0);
    LoadNumbered(foods_, "img-Food%d.gif", 1);
    for (int food = 0; food < kMaxFood; ++food) {
        char icon[64];
        std::snprintf(icon, sizeof icon, "img-foodicon%d-44x40.gif", food + 1);
        icons_[static_cast<size_t>(food)].Reset(LoadPicture(icon));
        std::snprintf(icon, sizeof icon, "img-foodicon%d_on-44x40.gif", food + 1);
        icons_[static_cast<size_t>(food + kMaxFood)].Reset(LoadPicture(icon));
    }
    SetScreen(nullptr, new CTitleScreen(*this));
}

// The screen goes first: it draws with the pictures held here.
CPellawickApplet::~CPellawickApplet() { EndScreen(); }

// Light blue with black text, white under the mouse, at every size.
TextButtonStyle CPellawickApplet::ButtonStyle() {
    TextButtonStyle style;
    style.keyed = true;
    style.closeTags = true;
    style.fill = 0x66CCFF;
    style.normalText = 0x000000;
    style.hotText = 0xFFFFFF;
    return style;
}

ISurface* CPellawickApplet::MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize,
                                           void* context, AppletCallback callback) {
    return CApplet::MakeTextButton(owner, label, x, y, id, pointSize, context, callback, ButtonStyle());
}

PanelStyle CPellawickApplet::MessagePanelStyle() {
    PanelStyle style;
    style.fill = 0x66CCFF;
    style.frame = 0x006363;
    style.outline = 0x000000;
    style.text = 0x000000;
    style.button = ButtonStyle();
    return style;
}

}  // namespace pellawick
