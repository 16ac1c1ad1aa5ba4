// The play screen's panels: solved and failed, and what their buttons do.
#include "Apps/Brisquet2/PlayScreen.h"
#include "Apps/Brisquet2/PuzzlePrompt.h"
#include "Apps/Brisquet2/TitleScreen.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ModuleGlobals.h"

namespace brisquet2 {
namespace {

constexpr int kNextId = 0x20000;
constexpr int kReplayPanelId = 0x100000;
constexpr int kMainMenuId = 0x200000;

std::vector<PanelLine> Lines(std::initializer_list<const char*> texts) {
    std::vector<PanelLine> lines;
    int y = 10;
    for (const char* text : texts) {
        lines.push_back({10, y, text});
        y += 15;
    }
    return lines;
}

PanelStyle BubblePanelStyle() {
    PanelStyle style;
    style.fill = 0x99CCFF;
    style.frame = 0x006363;
    style.outline = 0x000000;
    return style;
}

}  // namespace

void CPlayScreen::OpenPanel(int left, int top, int right, int bottom, const std::vector<PanelLine>& lines,
                            const std::vector<ButtonSpec>& buttons) {
    for (AttachedSurface& button : buttons_) button.Reset();
    panel_.reset();
    panel_ = std::make_unique<CMessagePanel>(game, left, top, right - left, bottom - top, BubblePanelStyle(), lines,
                                             this, NullTickThunk);
    SetButtons(buttons);
}

void CPlayScreen::ClosePanel() {
    panel_.reset();
}

void CPlayScreen::ShowPuzzleSolved() {
    const SessionEffect effect = session_.Solved();
    const int level = game.Player().level;
    const AppletCallback mainMenu = Forward<&CPlayScreen::OnPanelMainMenu>;
    const AppletCallback next = Forward<&CPlayScreen::OnPanelNext>;
    if (effect.celebrate) {
        OpenPanel(150, 171, 355, 331,
                  Lines({"<S3><C000000><B>Congratulations, you did it!", "You've beaten all 150 puzzles",
                         "in the Viruz uvo Darezor", "tournament!</b>"}),
                  {{"Main Menu", 223, 270, kMainMenuId, 12, mainMenu}});
    } else {
        std::vector<ButtonSpec> buttons;
        if (session_.IsChallenge()) {
            buttons.push_back({"Keep Breaking", 202, 240, kNextId + level, 14, next});
            OpenPanel(155, 160, 360, 320,
                      Lines({"<S3><C000000><B>Well Done.  But there are more", "bubbles ready to pop around",
                             "the corner.  Ready for another?</b>"}),
                      {});
        } else {
            const bool chosen = session_.Mode() == PuzzleMode::Chosen;
            buttons.push_back({chosen ? "Choose Another" : "Change Puzzle", chosen ? 200 : 202, 240, kNextId + level,
                               14, next});
            OpenPanel(155, 160, 360, 320,
                      Lines({"<S3><C000000><B>You must be having a bubbling", "good time with this game.  Ready",
                             "to enjoy another puzzle?</b>"}),
                      {});
        }
        buttons.push_back({"Main Menu", 223, 270, kMainMenuId, 12, mainMenu});
        SetButtons(buttons);
    }
    Apply(effect);
}

void CPlayScreen::ShowPuzzleFailed() {
    Apply(session_.Failed());
    const int level = game.Player().level;
    const AppletCallback replay = Forward<&CPlayScreen::OnPanelReplay>;
    const AppletCallback next = Forward<&CPlayScreen::OnPanelNext>;
    const AppletCallback mainMenu = Forward<&CPlayScreen::OnPanelMainMenu>;
    if (session_.IsChallenge()) {
        const std::string replayLabel = "Replay Puzzle (" + std::to_string(-session_.ReplayCost()) + " points)";
        const std::string skipLabel = "Skip Puzzle (" + std::to_string(-session_.SkipCost()) + " points)";
        const std::string menuLabel = "Main Menu (" + std::to_string(-session_.ReplayCost()) + " points)";
        OpenPanel(155, 160, 360, 320,
                  Lines({"<S3><C000000><B>Oh, so close.  But don't fizz out", "on the bubbles.  They're",
                         "ready for another try!</b>"}),
                  {{replayLabel, CentredX(replayLabel, 12, 250), 230, kReplayPanelId + level, 12, replay},
                   {skipLabel, CentredX(skipLabel, 12, 250), 250, kNextId + level, 12, next},
                   {menuLabel, CentredX(menuLabel, 12, 250), 280, kMainMenuId, 12, mainMenu}});
        return;
    }
    const bool chosen = session_.Mode() == PuzzleMode::Chosen;
    OpenPanel(155, 160, 360, 320,
              Lines({"<S3><C000000><B>Don't bust a gut - they're only", "bubbles you know!  How about",
                     "another pop?</b>"}),
              {{"Replay Puzzle", 205, 230, kReplayPanelId + level, 14, replay},
               {chosen ? "Choose Another" : "Change Puzzle", chosen ? 197 : 202, 250, kNextId + level, 14, next},
               {"Main Menu", 226, 280, kMainMenuId, 12, mainMenu}});
}

int CPlayScreen::OnPanelReplay(intptr_t* /*args*/) {
    ClosePanel();
    Apply(session_.Replay());
    StartPuzzle();
    return 0;
}

int CPlayScreen::OnPanelNext(intptr_t* /*args*/) {
    switch (session_.Mode()) {
        case PuzzleMode::Challenge:
            if (!session_.CanSkip()) {
                RefuseLastSkip();
                return 0;
            }
            ClosePanel();
            Apply(session_.Skip());
            break;
        case PuzzleMode::Random:
            ClosePanel();
            Apply(session_.Change([this] { return game.Rand(); }));
            break;
        case PuzzleMode::Chosen: {
            // The panel's buttons go with it: the number is asked over the bare board.
            ClosePanel();
            SetButtons({});
            game.Play(Sound::BeforeSelectLevel);
            const std::optional<int> number = AskPuzzleNumber(*Globals().services);
            if (!number) {
                // The board stays as it was, with the strip's buttons to go on from.
                DrawStatusPanel();
                return 0;
            }
            Apply(session_.Choose(*number));
            break;
        }
    }
    StartPuzzle();
    return 0;
}

int CPlayScreen::OnPanelMainMenu(intptr_t* /*args*/) {
    ClosePanel();
    Apply(session_.MainMenu());
    game.SetScreen(this, new CTitleScreen(game));
    return 0;
}

}  // namespace brisquet2
