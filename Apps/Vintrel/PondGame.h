// One game in the pond on the 20 ms timer: keys, meals, growth, lives, the angel after a death and
// the panel questions. The screen draws and sounds what the news says.
#pragma once

#include <cstdint>
#include <vector>

#include "Apps/Common/ModuleRandom.h"
#include "Apps/Vintrel/Baddie.h"
#include "Apps/Vintrel/PlayerBlob.h"

namespace vintrel {

enum class PondPhase { Playing = 0, AskingPlayAgain = 1, AskingContinue = 2 };

enum class PondNews {
    SplashBigger,    // a blob bigger than the player is about to come out
    SplashSmaller,
    Ate,             // score changed
    Grew,            // size picture changed
    ExtraLife,
    LifeLost,
    LastLifeLost,    // the screen runs the high-score entry now
    OpenContinuePanel,
    OpenPlayAgainPanel,
    AngelGone,
    Ambient,
};

struct HeldArrows {
    bool left = false;
    bool right = false;
    bool up = false;
    bool down = false;
};

struct Angel {
    float x = 0;
    float y = 0;
};

class PondGame {
public:
    // `now` is the game's own clock, 0 at its start.
    PondGame(RandomSource rand, bool immune);

    std::vector<PondNews> Tick(int64_t now, const HeldArrows& held);
    // Space on the life-lost panel: a fresh pond around the same player.
    void Continue(int64_t now);

    PondPhase Phase() const { return phase_; }
    bool Dying() const { return dying_; }
    const Angel* GetAngel() const { return dying_ ? &angel_ : nullptr; }
    int Score() const { return score_; }
    int SpareLives() const { return spareLives_; }
    const CPlayerBlob& Player() const { return player_; }
    const std::vector<CBaddie>& Baddies() const { return baddies_; }

private:
    void FillPond(int64_t now);
    void AddBaddie(int size, int64_t now);
    int SmallSize() const;
    int BigSize() const;
    int CountNotBigger() const;
    void SteerPlayer(int64_t now, const HeldArrows& held);
    void Collide(int64_t now, std::vector<PondNews>& news);
    void Replace(std::size_t slot, int edible, int64_t now);
    void GrowPlayer(int64_t now, std::vector<PondNews>& news);
    void Die(int64_t now, std::vector<PondNews>& news);
    void Mourn(int64_t now, std::vector<PondNews>& news);

    RandomSource rand_;
    // The angel's sway comes from the runtime's own generator, not the shell's.
    ModuleRandom swayRand_;
    bool immune_;
    CPlayerBlob player_;
    std::vector<CBaddie> baddies_;
    int score_ = 0;
    int spareLives_ = 2;
    int64_t nextAmbient_ = 0;
    PondPhase phase_ = PondPhase::Playing;
    int64_t pressedAt_[4] = {-1, -1, -1, -1};
    bool dying_ = false;
    bool panelOpened_ = false;
    int64_t deathTime_ = 0;
    Angel angel_;
    int swayStep_ = 1;
    int swayTotal_ = 0;
};

}  // namespace vintrel
