#include "Apps/Brisquet2/TitleScreen.h"

#include <string>

#include "Apps/Brisquet2/PlayScreen.h"
#include "Apps/Brisquet2/PuzzlePrompt.h"
#include "Apps/Common/CentredText.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/HighScoreView.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PlayerProfile.h"
#include "Apps/Common/StaffScreen.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"

namespace brisquet2 {
namespace {

constexpr int kScoreRowY[kHighScoreRows] = {175, 191, 207, 223, 239};
const HighScoreRow kDefaultScores[kHighScoreRows] = {
    {"Rivakel", 25000}, {"Rivakel", 20000}, {"Rivakel", 15000}, {"Rivakel", 10000}, {"Rivakel", 5000}};
// The card the table is drawn on, and the player's card.
constexpr int kTableLeft = 330, kTableTop = 172, kTableRight = 492, kTableBottom = 260;
constexpr int kStatsLeft = 302, kStatsTop = 274, kStatsRight = 494, kStatsBottom = 321;
constexpr uint32_t kTableCard = 0xFFF6CF;
constexpr int kStatsCentreX = 425;
constexpr int kStatsRightX = 490;
constexpr int kStatsMaxCentred = 132;
constexpr int kStaffFill = 0x3366CC;

enum Button { kStart, kEasy, kMedium, kHard, kChoose, kChange, kReset };

}  // namespace

CScreen* MakeTitleScreen(CApplet& app) { return new CTitleScreen(static_cast<CBrisquet2Applet&>(app)); }

CTitleScreen::CTitleScreen(CBrisquet2Applet& owner) : CBrisquet2Screen(owner) {
    game.SetTitleButtons(true);
    if (IImage* title = game.TitlePicture()) canvas->DrawAt(title, 0, 0);
    const auto make = [&](Button slot, const char* label, int x, int y, int id, int size, AppletCallback callback) {
        buttons_[slot] = AttachedSurface(gameArea, game.MakeTextButton(gameArea, label, x, y, id, size, this, callback));
    };
    // Reset goes on top: a button's hit area reaches past its label.
    make(kChange, "Change Player", 350, 326, 0x10000, 10, Forward<&CTitleScreen::ChangePlayer>);
    make(kReset, "Reset Player", 430, 326, 0x10000, 10, Forward<&CTitleScreen::ResetProfile>);
    DrawPlayerStats();
    DrawHighScoreTable();
    make(kStart, "Start Breaking", 43, 288, 0, 14, Forward<&CTitleScreen::StartChallenge>);
    DrawMarkupText(canvas, "<s4><c000000>Or, solve a particular puzzle:", 165, 388);
    DrawMarkupText(canvas, "<s4><c000000>Select a puzzle difficulty:", 180, 355);
    make(kEasy, "Easy", 160, 368, 256, 14, Forward<&CTitleScreen::StartRandom>);
    make(kMedium, "Medium", 206, 368, 512, 14, Forward<&CTitleScreen::StartRandom>);
    make(kHard, "Hard", 275, 368, 768, 14, Forward<&CTitleScreen::StartRandom>);
    make(kChoose, "Choose a Puzzle to Solve", 148, 400, 0x1FFFF, 14, Forward<&CTitleScreen::ChoosePuzzle>);
    keyListener_.Reset(factory->AddListener(Globals().services, applet::kKeyDown, this,
                                            Forward<&CTitleScreen::CheckTypedCode>));
    Globals().services->SetStopMode(kStopFreely);
}

int CTitleScreen::StartChallenge(intptr_t* /*args*/) {
    game.SetScreen(this, new CPlayScreen(game, game.Player().level));
    return 0;
}

int CTitleScreen::StartRandom(intptr_t* args) {
    game.SetScreen(this, new CPlayScreen(game, static_cast<int>(args[1])));
    return 0;
}

int CTitleScreen::ChoosePuzzle(intptr_t* /*args*/) {
    game.Play(Sound::BeforeSelectLevel);
    const std::optional<int> number = AskPuzzleNumber(*Globals().services);
    if (number) game.SetScreen(this, new CPlayScreen(game, *number + kChosenModeBit));
    return 0;
}

int CTitleScreen::ResetProfile(intptr_t* /*args*/) {
    if (!ConfirmWithWarning(*Globals().services, "Reset My Profile",
                            "If you continue, your player's profile will be reset.\n\nContinue?"))
        return 0;
    game.ResetPlayerItems();
    DrawPlayerStats();
    if (ResetHighScoreRow(*Globals().settings, game.Player().Name(), 0)) DrawHighScoreTable();
    return 0;
}

int CTitleScreen::ChangePlayer(intptr_t* /*args*/) {
    const std::optional<std::string> name = AskPlayerName(*Globals().services, game.Player().Name());
    if (!name) return 0;
    game.SwitchPlayer(*name);
    DrawPlayerStats();
    return 0;
}

int CTitleScreen::CheckTypedCode(intptr_t* args) {
    if (!staffCode_.Feed(static_cast<int>(args[2]))) return 0;
    StaffScreenStyle style;
    style.fill = kStaffFill;
    style.heading = kStaffHeading;
    style.names = kStaffNames;
    style.button = game.ButtonStyle();
    style.makeTitle = MakeTitleScreen;
    game.SetScreen(this, new CStaffScreen(game, style));
    return 0;
}

void CTitleScreen::RestoreFromTitle(int left, int top, int right, int bottom) {
    IImage* title = game.TitlePicture();
    if (title == nullptr) return;
    const int rect[4] = {left, top, right, bottom};
    canvas->Draw(rect, title, rect);
}

void CTitleScreen::DrawStatLine(const std::string& text, int pointSize, bool bold, int y) {
    const ShellRef<IFont> font = ArialFont(*factory, pointSize, bold);
    const int width = TextWidth(*canvas, font.Get(), text);
    const int x = width < kStatsMaxCentred ? kStatsCentreX - width / 2 : kStatsRightX - width;
    canvas->SetFont(font.Get());
    canvas->SetTextColor(0, 0, 0);
    canvas->DrawText(text.c_str(), static_cast<int>(text.size()), x, y);
}

void CTitleScreen::DrawPlayerStats() {
    RestoreFromTitle(kStatsLeft, kStatsTop, kStatsRight, kStatsBottom);
    const CPlayer& player = game.Player();
    const char* who = player.Name().c_str();
    DrawStatLine(player.Name(), 14, true, 278);
    const std::string random = "Random: " + ScoreText(game.GetPlayerSettingInt(who, kSolvedItem)) + " solved in " +
                               ScoreText(game.GetPlayerSettingInt(who, kAttemptedItem)) + " tries";
    DrawStatLine(random, 10, false, 296);
    const std::string score = "Break Score: " + ScoreText(player.score) + " (level " + std::to_string(player.level) + ")";
    DrawStatLine(score, 10, false, 310);
}

void CTitleScreen::DrawHighScoreTable() {
    ISettingsAccess& settings = *Globals().settings;
    RestoreFromTitle(kTableLeft, kTableTop, kTableRight, kTableBottom);
    WriteDefaultHighScores(settings, kDefaultScores);
    const HighScoreViewStyle style{
        .nameX = 335, .scoreX = 435, .rowY = kScoreRowY, .text = 0, .background = kTableCard, .scorePrefix = ""};
    DrawHighScoreView(*canvas, *factory, style, ReadHighScores(settings));
}

}  // namespace brisquet2
