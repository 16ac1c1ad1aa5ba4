#include "Apps/Tallimo/TitleScreen.h"

#include <string>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Tallimo/PlayScreen.h"
#include "Apps/Tallimo/StaffRollScreen.h"
#include "Apps/Tallimo/TallimoScores.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IFont.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"

namespace tallimo {
namespace {

constexpr int kChoiceX = 300, kChoiceY = 255, kChoiceStep = 28;
constexpr int kScoreColumnX = 50, kScoreColumnWidth = 110, kScoreTop = 245, kScoreStep = 18;

constexpr const char* kObjective[] = {"<S3><b>Objective:</b>", "<S3><b>Fill the truck with balls in a pre-defined</b>",
                                      "<S3><b>arrangement to complete the level.</b>"};
constexpr const char* kControls[] = {"<S3><b>Controls:</b>", "<S3><b>Left/Right Arrow - move the ball.</b>",
                                     "<S3><b>Space - drop the ball.</b>"};

void DrawScores(IImage& canvas, IShellFactory& factory, const HighScoreTable& table) {
    ShellRef<IFont> font(factory.CreateFont("Arial", 14, kFontStyleBold));
    canvas.SetFont(font.Get());
    canvas.SetTextColor(0, 0, 0);
    for (int i = 0; i < kHighScoreRows; ++i) {
        const HighScoreRow& row = table[static_cast<size_t>(i)];
        const std::string line = row.name + " - " + MoneyText(row.score);
        int extent[2] = {0, 0};
        canvas.GetTextExtent(font.Get(), line.c_str(), static_cast<int>(line.size()), extent);
        canvas.DrawText(line.c_str(), static_cast<int>(line.size()), kScoreColumnX + (kScoreColumnWidth - extent[0]) / 2,
                        kScoreTop + kScoreStep * i);
    }
}

}  // namespace

CTitleScreen::CTitleScreen(CTallimoApplet& owner) : CGameScreen(owner) {
    const ModuleGlobals& globals = Globals();
    WriteDefaultHighScores(*globals.settings, DefaultScores());
    if (canvas != nullptr) {
        canvas->ClearToColor(kYardR, kYardG, kYardB);
        if (IImage* logo = game.GetPicture(Picture::Logo)) canvas->DrawAt(logo, 35, 50);
        DrawMarkupTextOld(canvas, "<C000000><S1><b>Select Level</b>", 300, 225);
        DrawMarkupTextOld(canvas, "<S1><b>High Scores</b>", 50, 220);
        DrawScores(*canvas, *factory, ReadHighScores(*globals.settings));
        for (int i = 0; i < 3; ++i) {
            DrawMarkupTextOld(canvas, kObjective[i], 15, 360 + 15 * i);
            DrawMarkupTextOld(canvas, kControls[i], 300, 360 + 15 * i);
        }
    }
    for (int i = 0; i < kLevelChoices; ++i) {
        const std::string label = std::to_string(StartingLevel(i));
        choices_[static_cast<size_t>(i)] = AttachedSurface(
            gameArea, game.MakeTextButton(gameArea, label.c_str(), kChoiceX + kChoiceStep * i - 4, kChoiceY, i, 12, this,
                                          Forward<&CTitleScreen::OnChoice>));
    }
    start_ = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Start the Game", 300, 290, kStartButton, 18, this,
                                                           Forward<&CTitleScreen::OnStart>));
    DrawChoice();
    keys_.Reset(factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CTitleScreen::OnKey>));
    globals.services->SetStopMode(0);
}

// A ring of the level's colour under the chosen number.
void CTitleScreen::DrawChoice() {
    if (canvas == nullptr) return;
    canvas->SetCurColor(kYardR, kYardG, kYardB);
    canvas->FillRect(kChoiceX - 6, kChoiceY + 20, kChoiceX + kChoiceStep * kLevelChoices, kChoiceY + 24);
    canvas->SetCurColor(204, 0, 0);
    const int x = kChoiceX + kChoiceStep * choice_ - 4;
    canvas->FillRect(x, kChoiceY + 20, x + 22, kChoiceY + 24);
}

int CTitleScreen::OnChoice(intptr_t* args) {
    const int choice = static_cast<int>(args[2]);
    if (choice < 0 || choice >= kLevelChoices) return 0;
    choice_ = choice;
    DrawChoice();
    return 0;
}

int CTitleScreen::OnStart(intptr_t* /*args*/) {
    game.Play(Sound::GameStart);
    game.SetScreen(this, new CPlayScreen(game, true, StartingLevel(choice_)));
    return 0;
}

int CTitleScreen::OnKey(intptr_t* args) {
    if (staffCode_.Feed(static_cast<int>(args[2]))) game.SetScreen(this, new CStaffRollScreen(game));
    return 0;
}

}  // namespace tallimo
