// The game as a test sees it, in the harness's shell window or in the portal: which screen is up,
// told by its colours, and where its buttons are; and the harness's session of it.
#pragma once

#include <string>
#include <vector>

#include "harness/GameDriver.h"
#include "harness/GameSession.h"

namespace glimtide::test {

inline constexpr int kSpace = 32;
inline constexpr const char* kGameId = GLIMTIDE_GAME_ID;

// Colours the screens are told apart by.
inline constexpr uint32_t kPanelBlue = 0x99CCFF;
inline constexpr uint32_t kBarFrameGrey = 0x606060;
inline constexpr uint32_t kStaffGrey = 0x808080;
inline constexpr uint32_t kHeadingYellow = 0xFFFF00;

class GlimtideView : public virtual GameDriver {
public:
    bool OnTitle() const { return Count(kHeadingYellow, 320, 7, 500, 30) > 40; }
    bool OnPlay() const { return Pixel(450, 341) == kBarFrameGrey; }
    bool PanelUp() const { return Pixel(170, 100) == kPanelBlue; }
    // Both on grey; the hidden page shows its picture at (210, 10).
    bool OnStaffList() const { return OnGrey() && Count(kStaffGrey, 210, 10, 410, 100) > 15000; }
    bool OnHiddenPage() const { return OnGrey() && Count(kStaffGrey, 210, 10, 410, 100) < 2000; }
    bool OnGrey() const { return Count(kStaffGrey, 0, 300, 150, 390) == 150 * 90; }
    // The Easy row of the title screen's best players, as pixels.
    std::vector<uint32_t> EasyBestRow() const {
        std::vector<uint32_t> row;
        for (int y = 69; y < 86; ++y)
            for (int x = 360; x < 500; ++x) row.push_back(Pixel(x, y));
        return row;
    }

    void ChooseEasy() { Click(120, 270); }
    void ChooseMedium() { Click(220, 270); }
    void ChooseHard() { Click(350, 270); }
    void ChooseShow() { Click(190, 310); }
    void ClickIcon(int choice) { Click(50 * choice + 25, 365); }
    void ShowMeAgain() { Click(215, 405); }
    void Yes() { Click(155 + 35, 85 + 128); }
    void YesAfterBest() { Click(155 + 35, 85 + 168); }
    void No() { Click(155 + 135, 85 + 128); }
    void NoAfterBest() { Click(155 + 135, 85 + 168); }
};

class GlimtideSession : public GameSession, public GlimtideView {
public:
    // A session in `folder` (its store survives the session), or in a fresh one of its own.
    explicit GlimtideSession(std::string folder = {}) : GameSession(kGameId, GLIMTIDE_GAM, std::move(folder)) {}
};

}  // namespace glimtide::test
