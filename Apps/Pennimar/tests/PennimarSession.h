// The game as a test sees it, in the harness's shell window or in the portal: which screen is up,
// told by its colours, where its buttons are, and the share the status bar shows fenced.
#pragma once

#include <string>

#include "harness/GameDriver.h"
#include "harness/GameSession.h"
#include "platform/Platform.h"

namespace pennimar::test {

inline constexpr int kSpace = 32;
inline constexpr const char* kGameId = PENNIMAR_GAME_ID;

inline constexpr uint32_t kTan = 0xCC9966;
inline constexpr uint32_t kScoreCream = 0xFFF3C4;
inline constexpr uint32_t kBarGreen = 0x4FA22E;
inline constexpr uint32_t kOveralls = 0x3A6FD8;
inline constexpr int kBarLeft = 170, kBarRight = 339, kBarRow = 45;

class PennimarView : public virtual GameDriver {
public:
    // The tan ground with the logo in its corner; the staff list is tan all over.
    bool OnTitle() const { return OnTan() && Count(kTan, 20, 20, 280, 150) < 2000; }
    bool OnStaffList() const { return OnTan() && Count(kTan, 20, 20, 280, 150) > 30000; }
    bool OnTan() const { return Count(kTan, 0, 240, 10, 400) > 10 * 150; }
    bool OnPlay() const { return Pixel(345, 47) == kScoreCream; }
    bool PanelUp() const { return OnPlay() && Pixel(160, 165) == kTan; }

    // Level buttons 0 (Very Easy) to 4 (Very Hard).
    void ChooseLevel(int choice) {
        static constexpr int kX[] = {60, 160, 240, 325, 400};
        Click(kX[choice], 222);
    }
    void Yes() { Click(155 + 45, 160 + 145); }
    void No() { Click(155 + 140, 160 + 145); }

    // The share fenced, read off the bar's filled width.
    int FencedPercent() const {
        const int filled = Count(kBarGreen, kBarLeft, kBarRow, kBarRight, kBarRow + 1);
        for (int percent = 0; percent <= 100; ++percent)
            if ((kBarRight - kBarLeft) * percent / 100 >= filled) return percent;
        return 100;
    }
    // Spare lives: the farmers beside the score.
    int LivesShown() const {
        const int one = 12;  // overalls pixels of one small farmer, give or take
        return (Count(kOveralls, 453, 16, 500, 50) + one / 2) / one;
    }
};

class PennimarSession : public GameSession, public PennimarView {
public:
    explicit PennimarSession(std::string folder = {}) : GameSession(kGameId, PENNIMAR_GAM, std::move(folder)) {}
};

}  // namespace pennimar::test
