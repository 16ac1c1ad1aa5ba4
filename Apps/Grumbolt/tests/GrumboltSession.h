// The game as a test sees it, in the harness's shell window or in the portal: which screen is up,
// told by its colours, and where its buttons are; and the harness's session of it.
#pragma once

#include <string>

#include "harness/GameDriver.h"
#include "harness/GameSession.h"

namespace grumbolt::test {

inline constexpr const char* kGameId = GRUMBOLT_GAME_ID;

// The side panel's face and the title's sign of the best players.
inline constexpr uint32_t kPanelBlue = 0x3366CC;
inline constexpr uint32_t kSignCream = 0xFFFFCC;

class GrumboltView : public virtual GameDriver {
public:
    bool OnTitle() const { return Count(kSignCream, 326, 26, 494, 113) > 6000; }
    bool OnSwamp() const { return Count(kPanelBlue, 385, 300, 478, 304) == 93 * 4 && Pixel(378, 20) != kPanelBlue; }
    bool OnStaffList() const { return Count(kPanelBlue, 0, 300, 300, 390) == 300 * 90; }

    void PlayChallenge() { Click(360, 380); }
    void ChooseEasy() { Click(75, 362); }
    void ChooseHard() { Click(200, 362); }
    void SelectSwamp() { Click(140, 400); }
    void ResetChallenge() { Click(300, 398); }
    void ChangeChallenger() { Click(400, 398); }
    void ResetSwamp() { Click(420, 222); }
    void SkipOrChangeSwamp() { Click(420, 261); }
};

class GrumboltSession : public GameSession, public GrumboltView {
public:
    // A session in `folder` (its store survives the session), or in a fresh one of its own.
    explicit GrumboltSession(std::string folder = {}) : GameSession(kGameId, GRUMBOLT_GAM, std::move(folder)) {}
};

}  // namespace grumbolt::test
