// The game as a test sees it, in the harness's shell window or in the portal: which screen is up,
// told by its colours, and where its buttons are; and the harness's session of it.
#pragma once

#include <string>

#include "harness/GameDriver.h"
#include "harness/GameSession.h"

namespace brisquet2::test {

inline constexpr const char* kGameId = BRISQUET2_GAME_ID;

inline constexpr uint32_t kWellDeep = 0x0F1838;
inline constexpr uint32_t kPanelFill = 0x99CCFF;
inline constexpr uint32_t kBestBreakersCard = 0xFFF6CF;

class Brisquet2View : public virtual GameDriver {
public:
    bool OnTitle() const { return Count(kBestBreakersCard, 340, 180, 480, 250) > 2000 && !OnPlay(); }
    bool OnPlay() const { return Pixel(8, 200) == kWellDeep; }
    bool PanelUp() const { return Pixel(160, 200) == kPanelFill || Pixel(155, 210) == kPanelFill; }

    void StartBreaking() { Click(80, 296); }
    void ChooseEasy() { Click(170, 375); }
    void ChooseHard() { Click(290, 375); }
    // Answers the number prompt with `number` first.
    void ChoosePuzzle(const std::string& number) {
        AnswerInput(number);
        Click(200, 407);
    }
    void ChangePlayer(const std::string& name) {
        AnswerInput(name);
        Click(380, 332);
    }
    void ResetPlayer() { Click(450, 332); }

    // The status strip.
    void StripReplay() { Click(70, 402); }
    void StripSkip() { Click(330, 402); }
    void StripChange() { Click(390, 402); }

    // The panels: the challenge's failed panel centres its three buttons on x 250.
    void SolvedNext() { Click(240, 247); }
    void SolvedMainMenu() { Click(250, 276); }
    void FailedReplay() { Click(250, 236); }
    void FailedNext() { Click(250, 256); }
    void FailedMainMenu() { Click(250, 286); }
};

class Brisquet2Session : public GameSession, public Brisquet2View {
public:
    // A session in `folder` (its store survives the session), or in a fresh one of its own.
    explicit Brisquet2Session(std::string folder = {})
        : GameSession(kGameId, BRISQUET2_GAM, std::move(folder)) {}
};

}  // namespace brisquet2::test
