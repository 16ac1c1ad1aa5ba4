// One truck from its arrival to its departure: the play screen's states on the 20 ms timer, the
// keys, and what the screen must show or sound at each step.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "Apps/Tallimo/Conveyor.h"
#include "Apps/Tallimo/GameProgress.h"

namespace tallimo {

enum class PlayState { Starting = 0, Intro = 1, Waiting = 2, Running = 3, Checking = 4, Passed = 5, Perfect = 6 };

inline constexpr int kIntroKeyWaitMs = 500;
inline constexpr int kCheckStepMs = 75;
inline constexpr int kBlinkStepMs = 500;
inline constexpr int kBlinkSteps = 4;

enum class RoundEvent { BallLanded, CellChecked, EnoughBalls, Failed, Passed, Perfect, Gone };

struct RoundNews {
    RoundEvent event;
    Landing landing;      // BallLanded
    CellVerdict verdict;  // CellChecked
};

enum class PlayKey { Left, Right, Drop, Other };

class PlayRound {
public:
    // The progress must outlive the round; a new game starts it at `level`, else the level,
    // lives and money carry over.
    PlayRound(GameProgress& progress, bool newGame, int level, RandomSource rand, int64_t now);

    std::vector<RoundNews> Tick(int64_t now);
    // A drop lands its ball at once: the news of it.
    std::vector<RoundNews> Key(PlayKey key, int64_t now);

    PlayState State() const { return state_; }
    // A failed truck waits for a key before it leaves.
    bool AwaitingKey() const { return failed_ && state_ == PlayState::Checking && check_->Done(); }
    const Truck& GetTruck() const { return *truck_; }
    const Conveyor& GetConveyor() const { return *conveyor_; }
    int TruckX(int64_t now) const;
    int BeltX(int64_t now) const;
    // What "balls to pass" shows.
    int BallsToPass() const;
    // The lives display, off in alternate steps while a perfect truck blinks it.
    bool LivesShown(int64_t now) const;

private:
    void Enter(PlayState state, int64_t now);
    void Check(int64_t now, std::vector<RoundNews>& news);

    GameProgress& progress_;
    TruckLevel level_;
    std::optional<Truck> truck_;
    std::optional<Conveyor> conveyor_;
    std::optional<TruckCheck> check_;
    PlayState state_ = PlayState::Starting;
    int64_t since_ = 0;
    int leftEdge_ = 0;
    int64_t checked_ = 0;
    bool failed_ = false;
    bool gone_ = false;
};

}  // namespace tallimo
