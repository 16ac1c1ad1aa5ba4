#include "Games/Dunmoro/DunmoroApplet.h"

#include <cstdio>
#include <cstring>

#include "Apps/Common/DecimalText.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PictureFile.h"
#include "Apps/Common/PlayerSettings.h"
#include "Apps/Common/ResourceFile.h"
#include "Games/Dunmoro/CardList.h"
#include "Games/Dunmoro/Layout.h"
#include "Games/Dunmoro/Rules.h"
#include "Games/Dunmoro/SettingsKeys.h"
#include "Games/Dunmoro/TitleScreen.h"
#include "frame/api/AppletRecord.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IImage.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"

namespace dunmoro {
namespace {

constexpr const char* kTrademarkLine = "<c333333><s4>Dun Moro is a trademark of Rivakel.";
constexpr int kTrademarkX = 305;

constexpr std::array<const char*, kSoundCount> kSoundNames = {
    "ChallengeWon", "Confirm", "GameStart", "LevelCleared", "LevelNotCleared",
    "ModeChange",   "MoveIllegal", "MoveLegal", "NewBoard", "NewGame",
};

// The miniatures are a sixth of a card.
constexpr int kMiniWidth = static_cast<int>(49.0 / 6.0);
constexpr int kMiniHeight = static_cast<int>(66.0 / 6.0);

constexpr uint32_t kScreenGreen = 0x339900;
constexpr uint32_t kBoxGreen = 0x00CC00;
constexpr uint32_t kButtonBlue = 0x0000CC;

std::string StoredText(ISettingsAccess& settings, const std::string& key, bool& present) {
    std::array<char, 256> text{};
    present = ReadSetting(settings, key, text) != applet::kSettingAbsent;
    return text.data();
}

}  // namespace

StartChoice ChooseStart(std::string player, const char* storedMode, const char* storedBoard) {
    StartChoice choice;
    choice.player = std::move(player);
    choice.board = storedBoard != nullptr ? ParseDecimal(storedBoard) : 1;
    if (storedMode == nullptr) {
        choice.mode = kModeChallenge;
        choice.board = 1;
    } else if (std::strcmp(storedMode, "8") == 0 || std::strcmp(storedMode, "2") == 0 ||
               std::strcmp(storedMode, "4") == 0 || std::strcmp(storedMode, "16") == 0) {
        choice.mode = ParseDecimal(storedMode);
    } else {
        choice.mode = kModeBoard;
    }
    return choice;
}

CDunmoroApplet::CDunmoroApplet(AppletRecord* record)
    : CApplet(record, {kTrademarkLine, kTrademarkX}),
      sounds_(*record->factory, kSoundNames),
      faces_(LoadPicture("Faces.gif")),
      suits_(LoadPicture("Suits.gif")),
      numbers_(LoadPicture("Numbers.gif")),
      cardFront_(LoadPicture("CardFront.gif")) {

    ISettingsAccess& settings = *record->settings;
    bool present = false;
    std::string player = StoredText(settings, kCurPlayer, present);
    if (!present) {
        settings.SetUserValue(kCurPlayer, kDefaultPlayer);
        player = StoredText(settings, kCurPlayer, present);
        // A store that keeps nothing (no user yet) still gets the default player.
        if (!present) player = kDefaultPlayer;
    }
    bool modePresent = false, boardPresent = false;
    const std::string mode = StoredText(settings, PlayerKey(player, kCurPlayMode), modePresent);
    const std::string board = StoredText(settings, PlayerKey(player, kCurLayout), boardPresent);
    const StartChoice start =
        ChooseStart(player, modePresent ? mode.c_str() : nullptr, boardPresent ? board.c_str() : nullptr);

    miniFaceUp_.Reset(MakeMiniature(255, 255, 255));
    miniFaceDown_.Reset(MakeMiniature(0, 0, 255));
    Play(Sound::NewGame);
    SetScreen(nullptr, new CTitleScreen(*this, start.player, start.mode, start.board));
}

// The screen goes first: its cards and buttons are drawn with what the members hold.
CDunmoroApplet::~CDunmoroApplet() { EndScreen(); }

IImage* CDunmoroApplet::MakeMiniature(int red, int green, int blue) const {
    IImage* image = Globals().factory->CreateImage(kMiniWidth, kMiniHeight, 0);
    if (image == nullptr) return nullptr;
    image->ClearToColor(red, green, blue);
    image->SetCurColor(0, 0, 0);
    image->FrameRect(0, 0, kMiniWidth - 1, kMiniHeight - 1);
    image->FrameRect(1, 1, kMiniWidth - 2, kMiniHeight - 2);
    return image;
}

std::unique_ptr<CBoard> CDunmoroApplet::LoadLayout(int board, bool withSurfaces) {
    const std::string name = LayoutFileName(board);
    CResourceFile file(name.c_str());
    const auto layout = ReadLayout(file);
    file.Close();
    if (!layout) return nullptr;
    const int cards = static_cast<int>(layout->size());
    auto deck = std::make_unique<CCardList>(*this, withSurfaces);
    for (int i = 0; i < DecksFor(cards); ++i) deck->AddDeck();
    // The spare cards are the first ones added; the last deck's last suit goes.
    while (deck->Count() > cards + SpareCards(board)) deck->Pop();
    deck->Shuffle();
    auto dealt = std::make_unique<CBoard>(std::move(deck));
    for (const LayoutCard& place : *layout) {
        std::unique_ptr<CCard> card = dealt->Deck().Pop();
        card->SetFaceUp(place.faceUp);
        card->SetPosition(place.x, place.y);
        dealt->Append(std::move(card));
    }
    return dealt;
}

void CDunmoroApplet::DrawLayoutButton(int board, IImage* target, int x0, int y0) {
    if (target == nullptr) return;
    const std::unique_ptr<CBoard> preview = LoadLayout(board, false);
    if (preview == nullptr) {
        char heading[48];
        std::snprintf(heading, sizeof heading, "<S2><C000000><b>Layout %d", board);
        DrawMarkupText(target, heading, 15, 12);
        DrawMarkupText(target, heading, 105, 12);
        DrawMarkupText(target, "<S2><C000000><b>not found</b>", 12, 27);
        DrawMarkupText(target, "<S2><C000000><b>not found</b>", 102, 27);
        return;
    }
    for (int i = 0; i < preview->Count(); ++i) {
        const CCard& card = preview->At(i);
        const int px = static_cast<int>(card.X() / 6.0) + 2 + x0;
        const int py = static_cast<int>(card.Y() / 6.0) + y0;
        IImage* mini = card.FaceUp() ? miniFaceUp_.Get() : miniFaceDown_.Get();
        if (mini != nullptr) target->DrawAtEx(mini, px, py, 0);
    }
}

ISurface* CDunmoroApplet::MakeTextButton(ISurface* owner, const char* label, int x, int y, int userValue,
                                         int pointSize, void* context, AppletCallback callback) {
    TextButtonStyle style;
    style.fill = userValue == kBoxButtonValue ? kBoxGreen : kScreenGreen;
    style.normalText = kButtonBlue;
    style.hotText = 0xFFFFFF;
    return CApplet::MakeTextButton(owner, label, x, y, userValue, pointSize, context, callback, style);
}

}  // namespace dunmoro
