// The game as a test sees it, in the harness's shell window or in the portal: which screen and
// which panel are up, told by their colours and the panels' edges; and the harness's session.
#pragma once

#include <string>

#include "harness/GameDriver.h"
#include "harness/GameSession.h"

namespace pellawick::test {

inline constexpr int kSpace = 32;
inline constexpr int kLeftKey = 37, kUpKey = 38, kRightKey = 39, kDownKey = 40;
inline constexpr const char* kGameId = PELLAWICK_GAME_ID;

inline constexpr uint32_t kPanelFill = 0x66CCFF;
inline constexpr uint32_t kTableCream = 0xFFFFCC;
inline constexpr uint32_t kStaffFill = 0x66CCFF;

// The panels by their rectangle's bottom edge (and the two wide intros by their left edge).
enum class PanelSeen { None, Short, Bonus, WideIntro, Tall, Tallest };

class PellawickView : public virtual GameDriver {
public:
    bool OnTitle() const { return Count(kTableCream, 195, 98, 400, 106) > 150; }
    bool OnStaffList() const { return Count(kStaffFill, 0, 300, 150, 390) == 150 * 90; }
    PanelSeen Panel() const {
        if (Count(kPanelFill, 150, 165, 340, 172) < 500) return PanelSeen::None;
        if (Pixel(140, 250) == kPanelFill) return PanelSeen::WideIntro;
        if (Pixel(160, 324) == kPanelFill) return PanelSeen::Tallest;  // game over, Little League
        if (Pixel(160, 312) == kPanelFill) return PanelSeen::Tall;     // strike, game won
        if (Pixel(160, 296) == kPanelFill) return PanelSeen::Bonus;
        return PanelSeen::Short;                                      // inning won, promoted
    }
    void PlayBall() { Click(100, 160); }
    void NewGameButton() { Click(160, 160 + 110); }
};

class PellawickSession : public GameSession, public PellawickView {
public:
    explicit PellawickSession(std::string folder = {}) : GameSession(kGameId, PELLAWICK_GAM, std::move(folder)) {}
    // A round per tick of the game's 20 ms timer.
    void Wait(uint32_t ms) override { Harness().AdvanceMs(ms, 20); }
};

}  // namespace pellawick::test
