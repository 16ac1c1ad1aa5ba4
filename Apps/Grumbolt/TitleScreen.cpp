#include "Apps/Grumbolt/TitleScreen.h"

#include <algorithm>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/HighScoreView.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PlayerProfile.h"
#include "Apps/Grumbolt/GrumboltSettings.h"
#include "Apps/Grumbolt/PanelText.h"
#include "Apps/Grumbolt/PlayScreen.h"
#include "Apps/Grumbolt/StaffList.h"
#include "Apps/Grumbolt/SwampGenerator.h"
#include "Apps/Grumbolt/SwampMode.h"
#include "Apps/Grumbolt/SwampNumberPrompt.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"

namespace grumbolt {
namespace {

constexpr int kAskNumber = 65535;
constexpr uint32_t kNameFill = 0xFF6600;

constexpr int kScoreRowY[kHighScoreRows] = {27, 44, 61, 78, 95};
const HighScoreRow kDefaultScores[kHighScoreRows] = {
    {"Rivakel", 50000}, {"Rivakel", 25000}, {"Rivakel", 15000}, {"Rivakel", 10000}, {"Rivakel", 5000}};

struct TitleButton {
    const char* label;
    int x, y;
    int size;
    int value;
    AppletCallback onClick;
};
constexpr TitleButton kButtons[] = {
    {"Reset Challenge", 278, 393, 10, 0, Forward<&CTitleScreen::OnReset>},
    {"Change Challenger", 365, 393, 10, 0, Forward<&CTitleScreen::OnChangePlayer>},
    {"Play Challenge", 322, 373, 14, 0, Forward<&CTitleScreen::OnPlay>},
    {"Easy", 59, 355, 14, kRandomModeStep * 1, Forward<&CTitleScreen::OnPlay>},
    {"Medium", 110, 355, 14, kRandomModeStep * 2, Forward<&CTitleScreen::OnPlay>},
    {"Hard", 185, 355, 14, kRandomModeStep * 3, Forward<&CTitleScreen::OnPlay>},
    {"Select Swamp to Play", 66, 393, 14, kAskNumber, Forward<&CTitleScreen::OnPlay>},
};

// Each label twice: the dark copy, and the bright one a pixel up and left.
struct Label {
    const char* dark;
    const char* bright;
    int x, y;
};
constexpr Label kLabels[] = {
    {"<s4><c006600>Or, play a particular swamp:", "<s4><c00ff00>Or, play a particular swamp:", 73, 378},
    {"<s4><c006600>Select a difficulty level:", "<s4><c00ff00>Select a difficulty level:", 83, 342},
    {"<s2><c006600><b>Play a Random Swamp</b>", "<s2><c00ff00><b>Play a Random Swamp</b>", 63, 321},
    {"<s2><c006600><b>Take the Grumbo Challenge</b>", "<s2><c00ff00><b>Take the Grumbo Challenge</b>", 294, 320},
};

}  // namespace

CTitleScreen::CTitleScreen(CGrumboltApplet& owner) : CGrumboltScreen(owner) {
    const ModuleGlobals& globals = Globals();
    game.Play(Sound::GameOpen);
    if (ISurface* jump = factory->CreateSurfaceFromFile("p-img-TitleJump.gif", kSurfaceColourKeyed)) {
        jump->SetLoc(34, 67, nullptr);
        jump->SetNoHit(true);
        gameArea->AttachSurface(jump);
        jump->StartAnim();
        jump_ = AttachedSurface(gameArea, jump);
    }
    if (canvas != nullptr) {
        canvas->ClearToColor(0x0B, 0x25, 0x47);
        if (IImage* title = game.Title()) canvas->DrawAt(title, 0, 0);
    }
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const TitleButton& b = kButtons[i];
        buttons_[i] = AttachedSurface(gameArea, game.MakeTextButton(gameArea, b.label, b.x, b.y, ButtonColour::Title,
                                                                    b.value, b.size, this, b.onClick));
    }
    if (canvas != nullptr) {
        DrawPlayerLine();
        DrawHighScoreTable();
        for (const Label& label : kLabels) {
            DrawMarkupText(canvas, label.dark, label.x, label.y);
            DrawMarkupText(canvas, label.bright, label.x - 1, label.y - 1);
        }
    }
    keyListener_.Reset(
        factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CTitleScreen::CheckTypedCode>));
    globals.services->SetStopMode(kStopFreely);
}

void CTitleScreen::DrawHighScoreTable() {
    ISettingsAccess& settings = *Globals().settings;
    DrawMarkupText(canvas, "<s2><cccff00>Biggest Grumbos<s2>", 350, 7);
    WriteDefaultHighScores(settings, kDefaultScores);
    HighScoreViewStyle style;
    style.nameX = 330;
    style.scoreX = 435;
    style.rowY = kScoreRowY;
    style.text = 0x000000;
    style.background = kNameFill;
    const HighScoreTable rows = ReadHighScores(settings);
    canvas->SetCurColor(0xFF, 0xFF, 0xCC);
    canvas->FillRect(326, 26, 494, 113);
    DrawHighScoreView(*canvas, *factory, style, rows);
}

void CTitleScreen::DrawPlayerLine() {
    const CPlayer& player = game.Player();
    const std::string line = player.Name() + " (" + ScoreText(player.score) + " Points)";
    canvas->SetCurColor(0x00, 0x63, 0xFF);
    canvas->FillRect(240, 340, 466, 357);
    const TextFace large{14, true};
    const int width = TextWidth(*factory, *canvas, large, line);
    const int x = width / 2 < 83 ? 378 - width / 2 : 460 - width;
    DrawText(*factory, *canvas, large, 0xFFFFFF, line, x, 340);

    canvas->SetCurColor(0x00, 0x63, 0xFF);
    canvas->FillRect(300, 356, 450, 372);
    const std::string swamp = "Swamp: " + std::to_string(player.level) + " of " + std::to_string(kChallengeSwamps);
    const TextFace small{10, true};
    DrawText(*factory, *canvas, small, 0xFFFFFF, swamp, 378 - TextWidth(*factory, *canvas, small, swamp) / 2, 357);
}

int CTitleScreen::OnReset(intptr_t* /*args*/) {
    if (!ConfirmWithWarning(*Globals().services, "Reset My Profile",
                            "If you continue, your score will be cleared\nand the challenge will be reset to level "
                            "one.\n\nContinue?"))
        return 0;
    CPlayer& player = game.Player();
    player.score = 0;
    player.level = 1;
    game.StoreScore();
    game.StoreLevel();
    if (canvas == nullptr) return 0;
    DrawPlayerLine();
    if (ResetHighScoreRow(*Globals().settings, player.Name(), 0)) DrawHighScoreTable();
    return 0;
}

int CTitleScreen::OnChangePlayer(intptr_t* /*args*/) {
    const std::optional<std::string> name = AskPlayerName(*Globals().services, game.Player().Name());
    if (!name) return 0;
    game.SwitchPlayer(*name);
    Globals().settings->SetUserValue(kCurPlayer, game.Player().Name().c_str());
    if (canvas != nullptr) DrawPlayerLine();
    return 0;
}

int CTitleScreen::OnPlay(intptr_t* args) {
    int mode = static_cast<int>(args[2]);
    if (mode == 0) {
        mode = game.Player().level;
    } else if (mode == kAskNumber) {
        const std::optional<int> number =
            AskSwampNumber(*Globals().services, "Select Random Swamp",
                           "Enter the number of the swamp you would like to play (1-50000).");
        if (!number) return 0;
        mode = kNumberedMode + *number;
    }
    game.SetScreen(this, new CPlayScreen(game, mode));
    return 0;
}

int CTitleScreen::CheckTypedCode(intptr_t* args) {
    if (staffCode_.Feed(static_cast<int>(args[2]))) game.SetScreen(this, new CStaffScreen(game, GrumboltStaffStyle()));
    return 0;
}

CScreen* MakeTitleScreen(CApplet& app) { return new CTitleScreen(static_cast<CGrumboltApplet&>(app)); }

}  // namespace grumbolt
