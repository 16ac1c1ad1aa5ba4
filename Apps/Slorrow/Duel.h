// The duel on its 20 ms timer: the drop-in, the turns, the throw, the crater, the falls, the hits
// and the end, with what the screen must show or sound at each step.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "Apps/Slorrow/Candidate.h"
#include "Apps/Slorrow/ComputerAim.h"
#include "Apps/Slorrow/Popularity.h"
#include "Apps/Slorrow/Sayings.h"

namespace slorrow {

enum class DuelState { DropIn = 0, Waiting = 1, Turn = 2, Flight = 3, Charging = 4, Crater = 5, Falling = 6, Over = 7, AfterHit = 8 };

enum class DuelEvent {
    TurnStarted,    // redraw sky, ground and meter; the arrow shows over a person's hand
    Thrown,         // "candidate_throw_mud.wav"
    Landed,         // "mud_hit_land.wav"
    Gone,           // "mud_hit_land.wav"
    CandidateHit,   // "mud_hit_candidate.wav"
    GroundChanged,  // write the ground to the canvas
    Saying,         // the hit candidate's bubble
    Cheer,          // "game_start_temp.wav"
    PlaneStarts,
};

struct DuelNews {
    DuelEvent event;
    int value = 0;  // Saying: 0 to 25; PlaneStarts: its y
};

inline constexpr int kArrowMs = 2000;
inline constexpr int kCraterRadius = 20;

struct DuelSetup {
    int players = 1;
    bool sidesSwapped = false;
    bool promotionOn = false;
};

class Duel {
public:
    // The ground comes from the hills the screen drew; the wind from WindFromRoll.
    Duel(const DuelSetup& setup, GroundBuffer ground, float wind, RandomSource rand, int64_t now);

    std::vector<DuelNews> Tick(int64_t now);
    void MouseMove(float x, float y) { mouse_ = {x, y}; }
    void MouseDown(int64_t now);
    void MouseUp(int64_t now);

    DuelState State() const { return state_; }
    int64_t StateStart() const { return stateStart_; }
    const GroundBuffer& Ground() const { return ground_; }
    float Wind() const { return wind_; }
    const Candidate& Get(Side side) const { return candidates_[static_cast<size_t>(side)]; }
    std::optional<Side> Thrower() const { return thrower_; }
    const std::optional<MudBall>& Ball() const { return ball_; }
    // The aiming orb, while aiming or charging.
    std::optional<Vec2> Orb() const { return orb_; }
    float Power() const { return power_; }
    const Popularity& Meter() const { return popularity_; }
    std::optional<Side> Winner() const { return winner_; }
    std::optional<Side> HitCandidate() const { return hit_; }
    int64_t PlaneTime() const { return planeTime_; }

private:
    Candidate& At(Side side) { return candidates_[static_cast<size_t>(side)]; }
    void Enter(DuelState state, int64_t now);
    void Wait(DuelState next, int64_t now, int ms);
    void Step(int64_t now, std::vector<DuelNews>& news);
    void StepDropIn(int64_t now);
    void StepTurn(int64_t now, std::vector<DuelNews>& news);
    void StepFlight(int64_t now, std::vector<DuelNews>& news);
    void StepCrater(int64_t now, std::vector<DuelNews>& news);
    void StepFalling(int64_t now);
    void StepAfterHit(int64_t now, std::vector<DuelNews>& news);
    void Launch(const Throw& shot, int64_t now, std::vector<DuelNews>& news);
    // Lets the next candidate whose ground is gone fall; false when both stand.
    bool StartFallIfUndermined(int64_t now);
    bool FallStep(Side side, int64_t now);
    void Win(Side side, int64_t now);

    DuelSetup setup_;
    GroundBuffer ground_;
    float wind_;
    RandomSource rand_;
    std::array<Candidate, 2> candidates_;
    std::optional<ComputerAim> computer_;
    Popularity popularity_;
    DuelState state_ = DuelState::DropIn;
    DuelState next_ = DuelState::DropIn;
    bool entered_ = false;
    int64_t stateStart_ = 0;
    int64_t wakeTime_ = 0;
    int dropped_ = 0;
    std::optional<Side> thrower_;
    std::optional<Side> falling_;
    std::optional<Side> hit_;
    std::optional<Side> winner_;
    std::optional<MudBall> ball_;
    std::optional<Vec2> orb_;
    Vec2 mouse_;
    Vec2 hand_;
    Vec2 direction_{0, -1};
    float power_ = 0;
    Vec2 craterCentre_;
    int cheerCount_ = 0;
    int64_t lastCheer_ = 0;
    int64_t planeTime_ = 0;
    bool planeStarted_ = false;
};

}  // namespace slorrow
