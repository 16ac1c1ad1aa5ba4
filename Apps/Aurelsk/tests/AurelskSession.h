// The game as a test sees it, in the harness's shell window or in the portal: which screen is up,
// told by its colours, where its buttons are, and the harness's session of it.
#pragma once

#include <cstdint>
#include <string>

#include "harness/GameDriver.h"
#include "harness/GameSession.h"

namespace aurelsk::test {

inline constexpr const char* kGameId = AURELSK_GAME_ID;
inline constexpr int kSpace = 0x20, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;

// Colours the screens and the sea's objects are told apart by.
inline constexpr uint32_t kParchment = 0xFFF3D0;
inline constexpr uint32_t kStatusOrange = 0xFF9900;
inline constexpr uint32_t kStaffFill = 0x646464;
inline constexpr uint32_t kHiddenFill = 0x999999;
inline constexpr uint32_t kSubHull = 0xFFCC1A;
inline constexpr uint32_t kSubWarningHull = 0xFF5A3C;
inline constexpr uint32_t kPirateHull = 0x4A5566;
inline constexpr uint32_t kSharkSkin = 0x6F8FA6;
inline constexpr uint32_t kEnemyTorpedoGreen = 0x00FF00;
inline constexpr uint32_t kGold = 0xFFD23F;
inline constexpr uint32_t kGaugeGreen = 0x33DD55;

class AurelskView : public virtual GameDriver {
public:
    bool OnTitle() const { return Count(kParchment, 335, 30, 490, 120) > 2000; }
    bool OnPlay() const { return Count(kStatusOrange, 70, 71, 153, 115) > 1500; }
    bool OnStaffList() const { return Count(kStaffFill, 0, 300, 150, 390) == 150 * 90; }
    bool OnHiddenPage() const { return Count(kHiddenFill, 0, 300, 150, 390) == 150 * 90; }
    // The units of oxygen the gauge shows (0 to 180): its notches are 3 wide, one per unit.
    int Oxygen() const;
    // The lit places of the hold.
    int HoldLights() const;
    // The top of the risen game-over picture's gold lettering, or -1.
    int GameOverTop() const;

    void DiveIn() { Click(235, 400); }
    void TryAgain() { Click(185, 330); }
    void Quit() { Click(310, 330); }
    void ReturnToGame() { Click(360, 405); }
};

class AurelskSession : public GameSession, public AurelskView {
public:
    // A session in `folder` (its store survives the session), or in a fresh one of its own.
    explicit AurelskSession(std::string folder = {}) : GameSession(kGameId, AURELSK_GAM, std::move(folder)) {}
};

}  // namespace aurelsk::test
