// The game as a test sees it, in the harness's shell window or in the portal: where its buttons
// and bubbles are, and the harness's session of it.
#pragma once

#include <string>

#include "harness/GameDriver.h"
#include "harness/GameSession.h"

namespace brisquet::test {

inline constexpr const char* kGameId = BRISQUET_GAME_ID;

inline constexpr int CellX(int column) { return 30 + 32 * column; }
inline constexpr int CellY(int row) { return 50 + 32 * row; }

class BrisquetView : public virtual GameDriver {
public:
    bool OnLevelSelect() const { return Count(0x6666FF, 100, 275, 400, 300) > 100; }
    bool OnTitle() const { return !OnLevelSelect() && Count(0xFFFFFF, 80, 270, 420, 330) > 200; }
    bool OnPlay() const { return Count(kRail, 16, 36, 300, 52) > 100; }
    // The right panel's message after a cleared screen, and after a dead end.
    bool KeepGoingUp() const { return OnPlay() && PanelLine(259) && !PanelLine(180); }
    bool DeadEndUp() const { return OnPlay() && PanelLine(180) && PanelLine(212) && !PanelLine(259); }
    bool OnPromotion() const { return !OnPlay() && Count(0xFFFFFF, 60, 265, 440, 290) > 100; }
    bool OnFinal() const { return Count(0xFFCC00, 0, 170, 500, 230) > 500; }

    // The level select's three bands.
    void ChooseBeginner() { Click(240, 318); }
    void ChooseIntermediate() { Click(240, 338); }
    void ChooseAdvanced() { Click(240, 358); }
    // The demo's two bubbles during their pause, which starts as the level select opens.
    void ClickBothDemoBubbles() {
        Wait(100);
        Click(55 + 16, 280 + 16);
        Click(413 + 16, 280 + 16);
    }

    // The right panel's buttons: Reset Screen, Try Again and Keep Going share a place.
    void PanelButton() { Click(397, 320); }
    void Hint() { Click(397, 346); }

private:
    static constexpr uint32_t kRail = 0x3B46B8;
    bool PanelLine(int y) const { return Count(0xFFFFFF, 295, y, 500, y + 12) > 10; }
};

class BrisquetSession : public GameSession, public BrisquetView {
public:
    explicit BrisquetSession(std::string folder = {}) : GameSession(kGameId, BRISQUET_GAM, std::move(folder)) {}
};

}  // namespace brisquet::test
