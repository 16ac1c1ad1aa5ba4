// The game as a test sees it, in the harness's shell window or in the portal: which screen and
// which panel are up, told by their colours, where the buttons are, and the harness's session.
#pragma once

#include <cstdint>
#include <string>

#include "harness/GameDriver.h"
#include "harness/GameSession.h"

namespace vintrel::test {

inline constexpr const char* kGameId = VINTREL_GAME_ID;
inline constexpr int kSpace = 0x20, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;

inline constexpr uint32_t kTableGround = 0xCCCCEE;
inline constexpr uint32_t kPanelOrange = 0xFF9933;
inline constexpr uint32_t kPanelFace = 0x99CCFF;
inline constexpr uint32_t kPlayerBody = 0x2FB84A;
inline constexpr uint32_t kBaddieBody = 0xE8702A;
inline constexpr uint32_t kSplashFoam = 0xBFE6FF;
inline constexpr uint32_t kAngelWing = 0xF4F4F4;
// Before the start animation has filled the pond, its water is still rippling.
inline constexpr int kStartMs = 3200;

class VintrelView : public virtual GameDriver {
public:
    bool OnTitle() const { return Count(kTableGround, 40, 180, 240, 305) > 2000; }
    bool OnPlay() const { return Count(kPanelOrange, 57, 7, 78, 32) > 100 && Count(0x000000, 429, 60, 500, 78) > 300; }
    bool OnStaff() const { return Count(kPanelOrange, 428, 385, 500, 420) > 100 && !OnPlay(); }
    // The life-lost panel reaches lower than the game-over one.
    bool AskingContinue() const { return Count(kPanelFace, 165, 300, 350, 310) > 1500; }
    bool AskingPlayAgain() const { return Count(kPanelFace, 165, 170, 350, 250) > 10000 && !AskingContinue(); }

    // Letters arrive as their keys, whatever the case typed.
    void TypeCode(const std::string& code) {
        for (const char c : code) Key(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    void ClickStart() { Click(275, 205); }
    void ClickYes() { Click(205, 275); }
    void ClickNo() { Click(300, 275); }
    void ClickDone() { Click(445, 395); }
};

class VintrelSession : public GameSession, public VintrelView {
public:
    explicit VintrelSession(std::string folder = {}) : GameSession(kGameId, VINTREL_GAM, std::move(folder)) {}
};

}  // namespace vintrel::test
