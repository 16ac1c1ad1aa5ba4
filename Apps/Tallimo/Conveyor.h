// The running truck: balls entering the belt, rolling along it, falling into the truck, and the
// ball the player steers. Times are ms on the play timer.
#pragma once

#include <cstdint>
#include <vector>

#include "Apps/Tallimo/Truck.h"

namespace tallimo {

inline constexpr int kBeltLength = 198;
inline constexpr int kFallHeight = 204;

struct MovingBall {
    int kind = 0;
    int x = -kCellSize;
    int y = 3;
    int64_t since = 0;  // entry on the belt, or the start of the fall
    bool falling = false;
};

struct Landing {
    int cell = 0;
    int kind = 0;
};

// Kinds 1 and 2 ride lower.
int LandingDepth(int kind);

class Conveyor {
public:
    // The truck must outlive the conveyor; it is filled as balls land. Each ball's kind is drawn
    // as it enters, like a pattern cell's, so the load need not fit the pattern.
    Conveyor(const TruckLevel& level, Truck& truck, RandomSource rand);

    // One timer tick: the balls that landed in it.
    std::vector<Landing> Tick(int64_t now);
    // Left and Right: the steered ball one column over, kept on the truck.
    void Move(int step, int64_t now);
    // Space or Down: the steered ball lands in its column at once.
    std::vector<Landing> Drop(int64_t now);

    // Nothing left to enter, roll or fall: the truck is ready to check.
    bool Finished() const;
    int BallsToEnter() const { return toEnter_; }
    const std::vector<MovingBall>& Belt() const { return belt_; }
    const std::vector<MovingBall>& Falling() const { return falling_; }
    // The first falling ball is steered; -1 without one.
    int SteeredColumn() const;
    int LeftEdge() const { return leftEdge_; }

private:
    void StartFalling(MovingBall ball, int64_t now);
    Landing LandBall(const MovingBall& ball);
    void Enter(int64_t now);

    TruckLevel level_;
    Truck& truck_;
    RandomSource rand_;
    int leftEdge_;
    int toEnter_;
    std::vector<MovingBall> belt_;     // the newest last
    std::vector<MovingBall> falling_;  // the steered first
    int steeredColumn_ = -1;
};

}  // namespace tallimo
