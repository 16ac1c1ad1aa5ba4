// The play screen: one numbered puzzle on the board, the status strip with its two buttons, the
// solved and failed panels with their choices, the challenge's score and the celebration after
// its last puzzle. What each choice costs and stores comes from the puzzle session.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Apps/Brisquet2/Brisquet2Screen.h"
#include "Apps/Brisquet2/Celebration.h"
#include "Apps/Brisquet2/PuzzleSession.h"
#include "Apps/Common/BubbleBoard.h"
#include "Apps/Common/BubbleGrid.h"
#include "Apps/Common/MessagePanel.h"
#include "Apps/Common/ShellRef.h"

class ITimer;

namespace brisquet2 {

class CPlayScreen final : public CBrisquet2Screen, public IBubbleGridEvents {
public:
    // `mode`: 150 or less the challenge, 256, 512 or 768 a random puzzle of that difficulty,
    // 65536 and above the chosen number mode & 0xFFFF.
    CPlayScreen(CBrisquet2Applet& app, int mode);
    ~CPlayScreen() override;

    int OnReplayButton(intptr_t* args);
    // Skip in the challenge, Change otherwise.
    int OnSkipButton(intptr_t* args);
    int OnPanelReplay(intptr_t* args);
    // Keep Breaking, Skip, Change Puzzle or Choose Another.
    int OnPanelNext(intptr_t* args);
    int OnPanelMainMenu(intptr_t* args);
    int OnTick(intptr_t* args);

    // IBubbleGridEvents
    void OnBubbleClicked(int column, int row) override;
    void OnBoardChanged() override;

private:
    struct ButtonSpec {
        std::string label;
        int x;
        int y;
        int id;
        int pointSize;
        AppletCallback callback;
    };

    void StartPuzzle();
    void DrawStatusPanel();
    enum class StripPlace { Difficulty, Middle, Puzzle };
    // A line of the strip, centred on its plate.
    void DrawStripText(const std::string& text, StripPlace place);
    void ShowPuzzleSolved();
    void ShowPuzzleFailed();
    void OpenPanel(int left, int top, int right, int bottom, const std::vector<PanelLine>& lines,
                   const std::vector<ButtonSpec>& buttons);
    void ClosePanel();
    void SetButtons(const std::vector<ButtonSpec>& buttons);
    // Left edge of a bold label of `pointSize` centred on x.
    int CentredX(const std::string& label, int pointSize, int centreX);
    bool Confirm(const char* caption, const std::string& text);
    void RefuseLastSkip();
    void Apply(const SessionEffect& effect);
    void AddScore(int points);
    void StartCelebration();
    void EndCelebration();

    CPuzzleSession session_;
    CBubbleBoard board_;
    std::unique_ptr<CBubbleGrid> grid_;
    std::array<AttachedSurface, 3> buttons_;
    std::unique_ptr<CMessagePanel> panel_;
    std::unique_ptr<CCelebration> celebration_;
    std::vector<AttachedSurface> celebrationBubbles_;
    ShellRef<ITimer> timer_;
};

}  // namespace brisquet2
