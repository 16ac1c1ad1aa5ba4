// The game as a test sees it, in the harness's shell window or in the portal: which screen is up,
// told by its colours, where the turn arrow stands and where the buttons are.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "harness/GameDriver.h"
#include "harness/GameSession.h"

namespace slorrow::test {

inline constexpr const char* kGameId = SLORROW_GAME_ID;

inline constexpr uint32_t kButtonBlue = 0x333399;
inline constexpr uint32_t kButtonRed = 0xC00000;
inline constexpr uint32_t kArrowGold = 0xFF9900;

struct Point {
    int x = 0;
    int y = 0;
};

class SlorrowView : public virtual GameDriver {
public:
    // The blue "1 Player" button; the red "Fight!" button.
    bool OnTitle() const { return Count(kButtonBlue, 60, 300, 150, 330) > 1500; }
    bool OnSelection() const { return !OnTitle() && Count(kButtonRed, 210, 345, 300, 360) > 900; }
    bool OnDuel() const { return !OnTitle() && !OnSelection(); }
    // The gold arrow over the hand of the person whose turn it is: the middle of its 30 x 43 box,
    // found as the box holding the most gold (the dizzy stars are gold too, but small).
    std::optional<Point> TurnArrow() const {
        constexpr int kTop = 40, kBottom = 362, kWidth = 500, kArrowW = 30, kArrowH = 43;
        const GameAreaFrame frame = Presented();
        std::vector<int> sum((kWidth + 1) * (kBottom - kTop + 1), 0);
        const auto at = [&](int x, int y) -> int& { return sum[static_cast<size_t>(y * (kWidth + 1) + x)]; };
        for (int y = 0; y < kBottom - kTop; ++y)
            for (int x = 0; x < kWidth; ++x)
                at(x + 1, y + 1) = at(x, y + 1) + at(x + 1, y) - at(x, y) + (frame.Pixel(x, y + kTop) == kArrowGold);
        int best = 0;
        Point where;
        for (int y = 0; y + kArrowH <= kBottom - kTop; y += 2)
            for (int x = 0; x + kArrowW <= kWidth; x += 2) {
                const int gold = at(x + kArrowW, y + kArrowH) - at(x, y + kArrowH) - at(x + kArrowW, y) + at(x, y);
                if (gold > best) {
                    best = gold;
                    where = {x + kArrowW / 2, y + kTop + kArrowH / 2};
                }
            }
        if (best < 150) return std::nullopt;
        return where;
    }

    // The arrow once a person's turn comes, looking every 100 ms for up to `ms`.
    std::optional<Point> AwaitTurnArrow(uint32_t ms) {
        for (uint32_t waited = 0; waited <= ms; waited += 100) {
            if (const std::optional<Point> arrow = TurnArrow()) return arrow;
            Wait(100);
        }
        return std::nullopt;
    }

    void ChooseOnePlayer() { Click(104, 320); }
    void ChooseTwoPlayers() { Click(104, 380); }
    void SwitchSides() { Click(247, 132); }
    void Fight() { Click(257, 376); }
    void TryAgain() { Click(156, 382); }
    void Quit() { Click(345, 382); }
    // Aims from the hand at `to`, holds for `ms` and lets go there; the field shows the ball from
    // its next tick.
    void Throw(Point to, uint32_t ms) {
        MouseMove(to.x, to.y);
        HoldMouse(to.x, to.y, ms);
        Wait(100);
    }
};

class SlorrowSession : public GameSession, public SlorrowView {
public:
    explicit SlorrowSession(std::string folder = {}) : GameSession(kGameId, SLORROW_GAM, std::move(folder)) {}
};

}  // namespace slorrow::test
