// A player that only looks at the screen: it finds the two candidates by their faces, the wind by
// the length of the gauge's bars, the ground by its green, the turn by the arrow and the score by
// the meter's pointer; it throws by working the flight out on the ground it sees, aiming with the
// mouse and holding the button for the power, and moves its aim by how far its crater missed.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "Apps/Slorrow/tests/SlorrowSession.h"

namespace slorrow::test {

struct Seen {
    int left = 0, top = 0, right = 0, bottom = 0;  // the suit and face, [left, right) x [top, bottom)
    bool blue = false;                              // Brambo's suit; Quillet's is red
    int CentreX() const { return (left + right) / 2; }
    int CentreY() const { return (top + bottom) / 2; }
};

// What one throw did, as the screen told it.
enum class Outcome { Hit, Crater, Gone, Over };

class SlorrowBot {
public:
    explicit SlorrowBot(SlorrowView& view) : view_(view) {}

    // The candidates standing on the field, left to right.
    std::vector<Seen> Candidates() const;
    // The wind per tick, from the bars' reach (0 when the gauge shows none).
    float Wind() const;
    // The meter's notch, -3 to 3, negative toward the left-hand candidate's winning.
    int Meter() const;
    // The game-over screen is up.
    bool OnGameOver() const;
    // Whose portrait the game-over screen shows: true for Brambo.
    bool WinnerIsBrambo() const;

    // Waits for a person's turn (the arrow) and throws at the other candidate; false when the game
    // ended or no turn came.
    bool AwaitTurn(uint32_t ms);
    Outcome ThrowAtRival();
    // The side of the last throw: 0 left, 1 right.
    int LastThrower() const { return lastThrower_; }

private:
    struct Aim {
        double angle = 0;  // from the horizontal, toward the rival
        uint32_t holdMs = 0;
    };
    std::vector<uint8_t> Ground() const;
    std::optional<Aim> Plan(const Seen& thrower, const Seen& target, float wind, double goalX) const;
    Outcome Watch(const Seen& thrower, const Seen& target, const std::vector<uint8_t>& before, int meter);

    SlorrowView& view_;
    std::array<double, 2> bias_{};  // per side: how far the last throws fell beyond the target
    int lastThrower_ = 0;
};

}  // namespace slorrow::test
