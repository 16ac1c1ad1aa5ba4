// The play screen: the loaded board in its frame with a sprite per bubble, the small title and
// the right-hand panel with its buttons and messages: a hint, the cheer after a cleared screen
// (with the celebration's bouncing bubbles) and the dead end that waits for a click to try again.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "Apps/Brisquet/BrisquetScreen.h"
#include "Apps/Brisquet/Celebration.h"
#include "Apps/Common/BubbleGrid.h"
#include "Apps/Common/ShellRef.h"
#include "frame/api/IEvent.h"
#include "frame/api/ITimer.h"


namespace brisquet {

class CPlayScreen final : public CBrisquetScreen, public IBubbleGridEvents {
public:
    // Plays the game's board from the bubbles its level started with.
    explicit CPlayScreen(CBrisquetApplet& game);
    ~CPlayScreen() override;

    // "Reset Screen" and "Try Again".
    int OnReset(intptr_t* args);
    int OnKeepGoing(intptr_t* args);
    int OnHint(intptr_t* args);
    // The click that ends a dead end.
    int OnContinueClicked(intptr_t* args);
    int OnTick(intptr_t* args);

    // IBubbleGridEvents
    void OnBubbleClicked(int column, int row) override;
    void OnBoardChanged() override;

private:
    enum Button { kReset, kTryAgain, kKeepGoing, kHint, kButtons };

    void DrawBoardFrame();
    void MakeButton(Button which, const char* label, int y, int pointSize, AppletCallback callback);
    void ShowOnly(Button which);
    void ClearPanel();
    void DrawPanelText(const char* text, int pointSize, bool bold, int y);
    void ShowCleared();
    void ShowDeadEnd();

    BrisquetBoard& board_;
    std::unique_ptr<CBubbleGrid> grid_;
    std::array<AttachedSurface, kButtons> buttons_;
    bool over_ = false;
    ShellRef<IEventListener> continueListener_;
    std::unique_ptr<Celebration> celebration_;
    std::vector<AttachedSurface> celebrationBubbles_;
    ShellRef<ITimer> timer_;
};

// Loads screen `screen` and shows it in place of `from`; a level that cannot be read is
// reported and the level select comes back instead. 0.
int StartScreen(CBrisquetApplet& game, CScreen* from, int screen);

}  // namespace brisquet
