#include "Games/Dunmoro/TitleScreen.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "Apps/Common/DecimalText.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/HighScoreView.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PlayerProfile.h"
#include "Apps/Common/PlayerSettings.h"
#include "Games/Dunmoro/ModeScreen.h"
#include "Games/Dunmoro/PlayScreen.h"
#include "Games/Dunmoro/Rules.h"
#include "Games/Dunmoro/SettingsKeys.h"
#include "Games/Dunmoro/StaffRoll.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"
#include "frame/api/MarkupEscape.h"

namespace dunmoro {
namespace {

constexpr int kScoreRowY[kHighScoreRows] = {30, 47, 64, 81, 98};
const HighScoreRow kDefaultScores[kHighScoreRows] = {
    {"Rivakel", 1600}, {"Rivakel", 800}, {"Rivakel", 400}, {"Rivakel", 200}, {"Rivakel", 100}};
constexpr int kModeButtonX = 39, kModeButtonY = 236;

std::string Format(const char* format, const char* text) {
    char line[512];
    std::snprintf(line, sizeof line, format, text);
    return line;
}

std::string Format(const char* format, int value) {
    char line[128];
    std::snprintf(line, sizeof line, format, value);
    return line;
}

}  // namespace

CTitleScreen::CTitleScreen(CDunmoroApplet& owner, std::string player, int mode, int layout)
    : CDunmoroScreen(owner), player_(std::move(player)), layout_(layout), mode_(mode) {
    canvas->ClearToColor(kGreenR, kGreenG, kGreenB);
    if (ISurface* logo = factory->CreateSurfaceFromFile("p-img-logo-342x193.gif", 0)) {
        gameArea->AttachSurface(logo);
        logo->SetLoc(0, 10, nullptr);
        logo_ = AttachedSurface(gameArea, logo);
    }
    Globals().services->SetAppletName(kDisplayName);

    DrawMarkupText(canvas, "<S1><b><C006600>Top Players</b>", 310, 8);
    DrawMarkupText(canvas, "<S1><b><C006600>Top Challenger</b>", 312, 120);
    DrawMarkupText(canvas, "<S1><b><C000000>Current Player</b>", 320, 216);
    DrawMarkupText(canvas, "<S1><b><C000000>Current Mode</b>", 22, 212);
    DrawMarkupText(canvas,
                   "<S3><b><C000000><c>Clear the boards one card at a time to earn points.  Cards may be cleared in</c>",
                   0, 386);
    DrawMarkupText(canvas,
                   "<S3><b><C000000><c>ascending or descending order.  Click the draw pile for another card.</c>", 0,
                   401);

    resetButton_ = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Reset My Profile", 340, 280, 0, 12, this,
                                                                 Forward<&CTitleScreen::ResetProfile>));
    changePlayerButton_ = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Change Player", 345, 300, 0, 12,
                                                                        this, Forward<&CTitleScreen::ChangePlayer>));
    startButton_ = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Start the Game", 187, 347, 0, 18, this,
                                                                 Forward<&CTitleScreen::StartGame>));
    canvas->SetCurColor(0, 0, 0);
    canvas->DrawLine(120, 380, 370, 380);

    game.SetPlayerSettingInt(player_.c_str(), kCurLayout, layout_);
    game.SetPlayerSettingInt(player_.c_str(), kCurPlayMode, mode_);
    DrawModeButton();
    DrawPlayerPanel();
    DrawHighScoreTable();
    DrawTopChallenger();

    keyListener_.Reset(factory->AddListener(Globals().services, applet::kKeyDown, this,
                                            Forward<&CTitleScreen::CheckTypedCode>));
    Globals().services->SetStopMode(kStopFreely);
}

// The mode and board are the ones this screen stored for the player when it was made.
int CTitleScreen::StartGame(intptr_t* /*args*/) {
    int layout = layout_;
    const int mode = NormalisedMode(mode_);
    if ((mode & kModeChallenge) != 0) {
        const int challengeBoard = game.GetPlayerSettingInt(player_.c_str(), kOruBoard);
        if (challengeBoard != 0) layout = challengeBoard;
    }
    if (CScreen* play = CPlayScreen::Create(game, player_, mode, true, layout)) game.SetScreen(this, play);
    return 0;
}

int CTitleScreen::OnModeButton(intptr_t* /*args*/) {
    game.SetScreen(this, new CModeScreen(game, player_, false));
    return 0;
}

int CTitleScreen::CheckTypedCode(intptr_t* args) {
    if (staffCode_.Feed(static_cast<int>(args[2])))
        game.SetScreen(this, new CStaffScreen(game, player_, mode_, layout_));
    return 0;
}

int CTitleScreen::ResetProfile(intptr_t* /*args*/) {
    game.Play(Sound::Confirm);
    if (!ConfirmWithWarning(*Globals().services, "Reset My Profile",
                            "If you continue, your score will be reset to $0,\nand your statistics will be reset to the "
                   "defaults.\n\nContinue?"))
        return 0;
    const char* player = player_.c_str();
    game.SetPlayerSettingInt(player, kWon, 0);
    game.SetPlayerSettingInt(player, kNumGamesPlayed, 0);
    game.SetPlayerSettingInt(player, kLongestStreak, 0);
    game.SetPlayerSettingInt(player, kOruBoard, 1);
    game.SetPlayerSettingInt(player, kOruAttempts, 0);
    DrawPlayerPanel();
    if (ResetHighScoreRow(*Globals().settings, player_, 0)) DrawHighScoreTable();
    return 0;
}

int CTitleScreen::ChangePlayer(intptr_t* /*args*/) {
    game.Play(Sound::Confirm);
    const std::optional<std::string> name = AskPlayerName(*Globals().services, player_);
    if (!name) return 0;
    player_ = *name;
    Globals().settings->SetUserValue(kCurPlayer, player_.c_str());
    const int storedMode = game.GetPlayerSettingInt(player_.c_str(), kCurPlayMode);
    layout_ = game.GetPlayerSettingInt(player_.c_str(), kCurLayout);
    if (storedMode == 0) {
        mode_ = kModeChallenge;
        layout_ = 1;
        game.SetPlayerSettingInt(player_.c_str(), kCurPlayMode, mode_);
        game.SetPlayerSettingInt(player_.c_str(), kCurLayout, layout_);
    } else {
        mode_ = NormalisedMode(storedMode);
    }
    DrawModeButton();
    DrawPlayerPanel();
    return 0;
}

void CTitleScreen::DrawCentred(const std::string& markup, const char* measured, int size, int style, int centreX,
                               int y) {
    const ShellRef<IFont> font(factory->CreateFont("Arial", size, style));
    int extent[2] = {0, 0};
    canvas->SetFont(font.Get());
    canvas->GetTextExtent(font.Get(), measured, static_cast<int>(std::char_traits<char>::length(measured)), extent);
    canvas->SetTextColor(0, 0, 0);
    DrawMarkupText(canvas, markup.c_str(), centreX - extent[0] / 2, y);
}

void CTitleScreen::DrawModeButton() {
    const ShellRef<IFont> font(factory->CreateFont("Arial", 12, kFontStyleBold));
    int extent[2] = {0, 0};
    canvas->GetTextExtent(font.Get(), "Change Mode", 11, extent);
    const int half = std::max(extent[0] + 4, 95);
    const int height = extent[1] + 72;
    const ShellRef<IImage> owned(factory->CreateImage(2 * half, height, 0));
    IImage* image = owned.Get();
    image->SetFont(font.Get());
    image->ClearToColor(kGreenR, kGreenG, kGreenB);
    const int labelX = (half - extent[0]) / 2 - 4;
    image->SetTextColor(0, 0, 204);
    DrawMarkupText(image, "<B><U>", 0, 0);
    DrawMarkupText(image, "Change Mode", labelX, 70);
    image->SetTextColor(255, 255, 255);
    DrawMarkupText(image, "Change Mode", labelX + half, 70);
    DrawMarkupText(image, "</u></b>", 0, 0);

    if (mode_ == kModeBoard) {
        game.DrawLayoutButton(layout_, image, 4, 4);
        game.DrawLayoutButton(layout_, image, half + 4, 4);
    } else if (mode_ == kModeChallenge) {
        for (const int dx : {0, half}) {
            DrawMarkupText(image, "<S3><C000000><b>Master Oru's</b>", 10 + dx, 4);
            DrawMarkupText(image, "<S3><C000000><b>Challenge</b>", 14 + dx, 16);
            DrawMarkupText(image, "<S3><C0000CC><b>Complete All</b>", 7 + dx, 30);
            DrawMarkupText(image, "<S3><C0000CC><b>Boards</b>", 22 + dx, 42);
        }
    } else {
        const ShellRef<IFont> large(factory->CreateFont("Arial", 60, 0));
        image->SetFont(large.Get());
        DrawMarkupText(image, "<C006600><B>?</b>", 25, -4);
        DrawMarkupText(image, "<C006600><B>?</B>", half + 25, -4);
        const char* name = mode_ == kModeApprentice ? "Apprentice" : mode_ == kModeMaster ? "Master" : "Bonus";
        const int x = mode_ == kModeApprentice ? 4 : 20;
        for (const int dx : {0, half}) {
            DrawMarkupText(image, Format("<C000000><S2><B>%s</b>", name).c_str(), x + 2 + dx, 24);
            DrawMarkupText(image, Format("<CFFFFFF><S2><B>%s</b>", name).c_str(), x + dx, 22);
        }
    }
    image->SetCurColor(0, 0, 204);
    image->FrameRect(0, 0, 94, 62);
    image->FrameRect(1, 1, 93, 61);
    image->SetCurColor(255, 255, 255);
    image->FrameRect(half, 0, half + 94, 62);
    image->FrameRect(half + 1, 1, half + 93, 61);

    modeButton_ = AttachedSurface(gameArea, factory->CreateRolloverButton(gameArea, this, kModeButtonX, kModeButtonY,
                                                                          half, height, image, 0, 0,
                                                                          Forward<&CTitleScreen::OnModeButton>));
}

void CTitleScreen::DrawPlayerPanel() {
    // From the name's own top (y 240), so no row of the last name stays above the next one.
    canvas->SetCurColor(kGreenR, kGreenG, kGreenB);
    canvas->FillRect(130, 240, 500, 285);
    int extent[2] = {0, 0};
    {
        const ShellRef<IFont> large(factory->CreateFont("Arial", 18, kFontStyleBold));
        canvas->GetTextExtent(large.Get(), player_.c_str(), static_cast<int>(player_.size()), extent);
    }
    const std::string name = EscapeMarkup(player_);
    if (extent[0] > kWideNamePixels)
        DrawCentred(Format("<S3><b><C000000>%s</b>", name.c_str()), player_.c_str(), 12, kFontStyleBold, 385, 240);
    else
        DrawCentred(Format("<S1><b><C000000>%s</b>", name.c_str()), player_.c_str(), 18, kFontStyleBold, 385, 240);

    const int won = ReadSettingInt(*Globals().settings, PlayerKey(player_, kWon), 0);
    MoneyBuffer money;
    const std::string line = Format(won < 0 ? "Total Lost: %s" : "Total Won: %s", FormatMoney(won, money));
    DrawCentred(line, line.c_str(), 12, 0, 385, 262);

    if ((mode_ & kModeChallenge) != 0) {
        challengeBoard_ = ReadSettingInt(*Globals().settings, PlayerKey(player_, kOruBoard), 1);
        const int attempts = ReadSettingInt(*Globals().settings, PlayerKey(player_, kOruAttempts), 0);
        DrawMarkupText(canvas, Format("<S2><C000000>Board: %d of 18", challengeBoard_).c_str(), 138, 250);
        DrawMarkupText(canvas, Format("<S2><C000000>Attempts: %d", attempts).c_str(), 138, 265);
    } else if ((mode_ & kModeBoard) != 0) {
        DrawMarkupText(canvas, Format("<S2><C000000>Board: %d", layout_).c_str(), 138, 260);
    }
}

void CTitleScreen::DrawHighScoreTable() {
    ISettingsAccess& settings = *Globals().settings;
    canvas->SetCurColor(kGreenR, kGreenG, kGreenB);
    canvas->FillRect(317, 30, 500, 119);
    WriteDefaultHighScores(settings, kDefaultScores);
    // A store that keeps nothing (no user yet) shows the defaults.
    const HighScoreTable table = ReadSettingText(settings, HighScoreKey(1, "Name"), 1)
                                     ? ReadHighScores(settings)
                                     : HighScoreTable{kDefaultScores[0], kDefaultScores[1], kDefaultScores[2],
                                                      kDefaultScores[3], kDefaultScores[4]};
    const HighScoreViewStyle style{
        .nameX = 317, .scoreX = 422, .rowY = kScoreRowY, .text = 0, .background = 0x339900, .scorePrefix = "$"};
    DrawHighScoreView(*canvas, *factory, style, table);
}

void CTitleScreen::DrawTopChallenger() {
    ISettingsAccess& settings = *Globals().settings;
    const std::optional<std::string> best = ReadSettingText(settings, kBestOruPlayer);
    if (!best) {
        DrawMarkupText(canvas, "<s2><c000000><b>Oru Challenges You...</b>", 319, 140);
        return;
    }
    const int attempts = ReadSettingInt(settings, kBestOruAttempts, 0);
    char line[320];
    std::snprintf(line, sizeof line, "<s2><c000000><b>%s, %d Attempts</b>", EscapeMarkup(*best).c_str(), attempts);
    DrawMarkupText(canvas, line, 319, 140);
}

}  // namespace dunmoro
