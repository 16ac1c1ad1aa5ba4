#include "Apps/Torvimble/TitleScreen.h"

#include "Apps/Common/DrawMarkupTextF.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/HiddenPageScreen.h"
#include "Apps/Common/HighScoreView.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PlayerProfile.h"
#include "Apps/Common/PlayerSettings.h"
#include "Apps/Torvimble/BlackjackScreen.h"
#include "Apps/Torvimble/InBetweenScreen.h"
#include "Apps/Torvimble/StaffScreen.h"
#include "Apps/Torvimble/VideoPokerScreen.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"
#include "frame/api/MarkupEscape.h"

namespace torvimble {
namespace {

enum Table { Poker = 0, Blackjack = 1, InBetween = 2 };

struct TitleButton {
    const char* label;
    int x, y, pointSize;
};
constexpr TitleButton kTables[] = {
    {"Dazuz Irere", 290, 300, 24}, {"21 Dede", 312, 330, 24}, {"Zizuruv Eridi", 285, 360, 24}};

constexpr int kTopRocksY[kHighScoreRows] = {22, 39, 56, 73, 90};
const HighScoreRow kDefaultRows[kHighScoreRows] = {
    {"Rivakel", 1600}, {"Rivakel", 800}, {"Rivakel", 400}, {"Rivakel", 200}, {"Rivakel", 100}};

void Grey(IImage& canvas, int left, int top, int right, int bottom) {
    canvas.SetCurColor(0x99, 0x99, 0x99);
    canvas.FillRect(left, top, right, bottom);
}

HiddenPageStyle HiddenPage() {
    HiddenPageStyle style;
    style.fill = kTableGrey;
    style.picture = "Egg.gif";
    style.pictureX = 200;
    style.pictureY = 10;
    style.text = "HiddenPage.rml";
    style.textY = 105;
    style.button = CTorvimbleApplet::ButtonStyle(0);
    style.makeTitle = MakeTitleScreen;
    return style;
}

}  // namespace

CTitleScreen::CTitleScreen(CTorvimbleApplet& owner) : CTorvimbleScreen(owner) {
    const ModuleGlobals& globals = Globals();
    game.Play(Sound::OpenGame);
    game.HideMarker();
    if (canvas != nullptr) {
        canvas->ClearToColor(0x99, 0x99, 0x99);
        if (IImage* title = game.Picture("img-titlescreen-500x420.gif")) canvas->DrawAt(title, 0, 8);
        DrawMarkupText(canvas, "<S1><C000000><u>Top Rocks</u>", 370, 0);
    }
    for (size_t i = 0; i < std::size(kTables); ++i) {
        const TitleButton& b = kTables[i];
        buttons_[i] =
            AttachedSurface(gameArea, game.MakeTextButton(gameArea, b.label, b.x, b.y, static_cast<int>(i), b.pointSize,
                                                          this, Forward<&CTitleScreen::OnTable>));
    }
    buttons_[3] = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Reset My Profile", 355, 230, 0, 12, this,
                                                                Forward<&CTitleScreen::OnResetProfile>));
    buttons_[4] = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Change Player", 360, 250, 0, 12, this,
                                                                Forward<&CTitleScreen::OnChangePlayer>));
    keyListener_.Reset(
        factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CTitleScreen::CheckTypedCode>));
    DrawPlayerName();
    DrawTopRocks();
    globals.services->SetStopMode(kStopFreely);
}

void CTitleScreen::DrawPlayerName() {
    if (canvas == nullptr) return;
    Grey(*canvas, 307, 192, 500, 222);
    const std::string& name = game.Profile().Name();
    const ShellRef<IFont> font(factory->CreateFont("Arial", 24, kFontStyleBold));
    int extent[2] = {0, 0};
    canvas->GetTextExtent(font.Get(), name.c_str(), static_cast<int>(name.size()), extent);
    DrawMarkupTextF(canvas, 397 - extent[0] / 2, 192, "<S0><b><C000000>%s</b>", EscapeMarkup(name).c_str());
}

void CTitleScreen::DrawTopRocks() {
    if (canvas == nullptr) return;
    ISettingsAccess& settings = *Globals().settings;
    WriteDefaultHighScores(settings, kDefaultRows);
    Grey(*canvas, 350, 22, 500, 112);
    HighScoreViewStyle style;
    style.nameX = 350;
    style.scoreX = 455;
    style.rowY = kTopRocksY;
    style.background = kTableGrey;
    const HighScoreTable rows = ReadHighScores(settings);
    DrawHighScoreView(*canvas, *factory, style, rows);
}

int CTitleScreen::OnTable(intptr_t* args) {
    CScreen* table = nullptr;
    switch (static_cast<int>(args[2])) {
        case Poker: table = new CVideoPokerScreen(game); break;
        case Blackjack: table = new CBlackjackScreen(game); break;
        case InBetween: table = new CInBetweenScreen(game); break;
        default: return 0;
    }
    game.SetScreen(this, table);
    return 0;
}

int CTitleScreen::OnResetProfile(intptr_t* /*args*/) {
    if (!ConfirmWithWarning(*Globals().services, "Reset My Profile",
                            "If you continue, your holdings will be reset to 100 Clams.\n\nContinue?"))
        return 0;
    CPlayerProfile& profile = game.Profile();
    profile.clams = kGiftClams;
    game.StoreHoldings(profile.Name(), profile.clams);
    DrawPlayerName();
    if (ResetHighScoreRow(*Globals().settings, profile.Name(), 0)) DrawTopRocks();
    return 0;
}

int CTitleScreen::OnChangePlayer(intptr_t* /*args*/) {
    CPlayerProfile& profile = game.Profile();
    const std::optional<std::string> name = AskPlayerName(*Globals().services, profile.Name());
    if (!name) return 0;
    ISettingsAccess& settings = *Globals().settings;
    profile.SetName(*name);
    const std::optional<std::string> stored = ReadSettingText(settings, PlayerKey(profile.Name(), "Score"));
    profile.Load(stored ? stored->c_str() : nullptr, game);
    settings.SetUserValue("CurPlayer", profile.Name().c_str());
    DrawPlayerName();
    return 0;
}

int CTitleScreen::CheckTypedCode(intptr_t* args) {
    const int key = static_cast<int>(args[2]);
    const bool staff = staffCode_.Feed(key);
    const bool hidden = hiddenCode_.Feed(key);
    if (staff) {
        game.SetScreen(this, new CStaffScreen(game));
    } else if (hidden) {
        game.Play(Sound::Laugh);
        game.SetScreen(this, new CHiddenPageScreen(game, HiddenPage()));
    }
    return 0;
}

CScreen* MakeTitleScreen(CApplet& app) { return new CTitleScreen(static_cast<CTorvimbleApplet&>(app)); }

}  // namespace torvimble
