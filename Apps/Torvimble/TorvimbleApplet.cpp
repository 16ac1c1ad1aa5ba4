#include "Apps/Torvimble/TorvimbleApplet.h"

#include <array>

#include "Apps/Common/HighScores.h"
#include "Apps/Common/PictureFile.h"
#include "Apps/Common/Player.h"
#include "Apps/Common/PlayerSettings.h"
#include "Apps/Torvimble/TitleScreen.h"
#include "frame/api/AppletRecord.h"
#include "frame/api/IImage.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"

namespace torvimble {
namespace {

constexpr std::array<const char*, kSoundCount> kSoundNames = {
    "snd-Card-Deal.wav", "snd-Card-Flip.wav",         "snd-gamestart1.wav", "snd-disbtn2.wav",
    "snd-open-game.wav", "snd-player-lose-laugh.wav", "snd-player-win.wav", "snd-small-button.wav",
};
constexpr int kMenuFlags = 51;
constexpr uint32_t kStaffSeed = 900;
constexpr const char* kSupport = "https://support.rivakel.example/support/product/article.asp?idArticle=";

HelpPageStyle TorvimbleHelp() {
    HelpPageStyle style("<c333333><s4>Torvimble is a trademark of Rivakel.", 265);
    const std::string more = "For more information, click here.";
    style.pages = {
        {"Help.rml", {{more, 253, 130, 1, {}}, {more, 240, 175, 2, {}}, {more, 308, 220, 3, {}}}},
        {"Help_Poker.rml", {{"Rivakel Website.", 10, 310, -1, std::string(kSupport) + "137"}}},
        {"Help_21.rml", {{"Rivakel Website.", 170, 340, -1, std::string(kSupport) + "138"}}},
        {"Help_BSplit.rml", {}},
    };
    style.linkStyle = CTorvimbleApplet::ButtonStyle(-1);
    return style;
}

}  // namespace

CTorvimbleApplet::CTorvimbleApplet(AppletRecord* record)
    : CApplet(record, TorvimbleHelp()), sounds_(*record->factory, kSoundNames) {
    random_.Seed(kStaffSeed);
    record->services->SetMenuFlags(kMenuFlags);
    clickSound_.Reset(record->factory->CreateSound(kSoundNames[static_cast<size_t>(Sound::SmallButton)], 0));
    disabledSound_.Reset(record->factory->CreateSound(kSoundNames[static_cast<size_t>(Sound::DisabledButton)], 0));

    ISettingsAccess& settings = *record->settings;
    std::optional<std::string> current = ReadSettingText(settings, "CurPlayer", kPlayerNameMax);
    if (!current) {
        current = kFirstPlayer;
        settings.SetUserValue("CurPlayer", kFirstPlayer);
    }
    profile_.SetName(*current);
    const std::optional<std::string> stored = ReadSettingText(settings, PlayerKey(profile_.Name(), "Score"));
    profile_.Load(stored ? stored->c_str() : nullptr, *this);

    cards_.front = Picture("img-card-front-50x66.gif");
    cards_.back = Picture("img-card-back-50x66.gif");
    cards_.rankStrip = Picture("slb-card-numbers-11x14x13x4.gif");
    cards_.suitStrip = Picture("slb-card-suits-10x10x4x2.gif");
    cards_.aces = {Picture("img-ace_of_clubs-33x33.gif"), Picture("img-ace_of_spades-33x33.gif"),
                   Picture("img-ace_of_hearts-33x33.gif"), Picture("img-ace_of_diamonds-33x33.gif")};
    // Jack, queen and king wear the pictures kept under these names.
    cards_.redCourts = {Picture("img-redking-29x28.gif"), Picture("img-redqueen-29x28.gif"),
                        Picture("img-redjoker-29x28.gif")};
    cards_.blackCourts = {Picture("img-Blackking-29x28.gif"), Picture("img-Blackqueen-29x28.gif"),
                          Picture("img-Blackjoker-29x28.gif")};

    if (ISurface* marker = record->factory->CreateSurfaceFromFile("img-inbetween_win_indicator.gif", 0)) {
        record->gameArea->AttachSurface(marker);
        marker->SetNoHit(true);
        marker_ = AttachedSurface(record->gameArea, marker);
        HideMarker();
    }
    SetScreen(nullptr, new CTitleScreen(*this));
}

// The screen goes first: its buttons and cards draw with the pictures kept here.
CTorvimbleApplet::~CTorvimbleApplet() { EndScreen(); }

IImage* CTorvimbleApplet::Picture(std::string_view name) {
    for (const auto& [known, picture] : pictures_)
        if (known == name) return picture.Get();
    const std::string key(name);
    pictures_.emplace_back(key, ShellRef<IImage>(LoadPicture(key.c_str())));
    return pictures_.back().second.Get();
}

void CTorvimbleApplet::ShowMarker(int x, int y) {
    if (!marker_) return;
    marker_->SetLoc(x, y, nullptr);
    marker_->SetVisible(true, nullptr);
    record()->gameArea->BringToFront(marker_.Get());
}

void CTorvimbleApplet::HideMarker() {
    if (marker_) marker_->SetVisible(false, nullptr);
}

std::unique_ptr<ImageButton> CTorvimbleApplet::MakeButton(const char* normal, Looks looks, int x, int y, int id,
                                                          bool toggle, void* owner, AppletCallback callback) {
    ButtonPictures pictures{};
    for (size_t look = 0; look < pictures.size(); ++look) {
        const auto which = static_cast<ButtonLook>(look);
        const bool missing = which == ButtonLook::Unused || (looks == Looks::Three && which >= ButtonLook::Disabled) ||
                             (looks == Looks::Four && which == ButtonLook::DisabledSelected);
        if (!missing) pictures[look] = Picture(LookPictureName(normal, which));
    }
    return std::make_unique<ImageButton>(owner, pictures, x, y, id, toggle, callback,
                                         ButtonSounds{clickSound_.Get(), disabledSound_.Get()});
}

TextButtonStyle CTorvimbleApplet::ButtonStyle(int id) {
    TextButtonStyle style;
    style.fill = id < 0 ? 0xFF9900 : kTableGrey;
    style.normalText = 0x000000;
    style.hotText = id < 0 ? 0x8080FF : 0x0000FF;
    return style;
}

ISurface* CTorvimbleApplet::MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize,
                                           void* context, AppletCallback callback) {
    return CApplet::MakeTextButton(owner, label, x, y, id, pointSize, context, callback, ButtonStyle(id));
}

void CTorvimbleApplet::StoreHoldings(std::string_view player, int clams) {
    SetPlayerSettingInt(std::string(player).c_str(), "Score", clams);
}

void CTorvimbleApplet::UpdateTopRocks(std::string_view player, int clams) {
    UpdateHighScores(*record()->settings, player, clams);
}

}  // namespace torvimble
