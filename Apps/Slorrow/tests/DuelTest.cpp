#include "Apps/Slorrow/Duel.h"

#include <gtest/gtest.h>

#include <functional>

#include "Apps/Common/ModuleRandom.h"

namespace slorrow {
namespace {

class SlorrowDuel : public ::testing::Test {
protected:
    Duel Make(GroundBuffer ground, int players) {
        return Duel({players, false, false}, std::move(ground), 0.0f, [this] { return random_.Next(); }, now_);
    }
    // Ticks until the condition holds; counts the news of one kind on the way.
    int RunUntil(Duel& duel, const std::function<bool()>& done, DuelEvent counted = DuelEvent::PlaneStarts) {
        int count = 0;
        for (int ticks = 0; !done(); ++ticks) {
            if (ticks > 5000) {
                ADD_FAILURE() << "stuck in state " << static_cast<int>(duel.State());
                break;
            }
            now_ += 20;
            for (const DuelNews& news : duel.Tick(now_)) count += news.event == counted ? 1 : 0;
        }
        return count;
    }

    ModuleRandom random_;
    int64_t now_ = 1000;
};

float Bottom(const Candidate& candidate) { return candidate.Rect().y + candidate.Rect().height; }

TEST_F(SlorrowDuel, OnAnAllSkyFieldTheLeftCandidateFallsOffAndTheRightWins) {
    Duel duel = Make(GroundBuffer(), 1);
    const int cheers = RunUntil(duel, [&] { return duel.State() == DuelState::Over; }, DuelEvent::Cheer);
    EXPECT_EQ(duel.Winner(), Side::Right);
    EXPECT_FALSE(duel.Get(Side::Left).Shown());
    EXPECT_EQ(duel.Get(Side::Right).CurrentPose(), Pose::Win);
    EXPECT_EQ(cheers, 4);
}

// Both stand on one narrow ledge; the left one throws straight down and the crater takes the
// ground from under both. Both must be down on the floor before the right one's turn.
TEST_F(SlorrowDuel, OneCraterUnderBothCandidatesDropsBoth) {
    GroundBuffer ground;
    for (int x = 200; x <= 240; ++x) {
        for (int y = 200; y <= 210; ++y) ground.Set(x, y, 1);
        for (int y = 330; y <= 339; ++y) ground.Set(x, y, 1);
    }
    Duel duel = Make(std::move(ground), 2);
    RunUntil(duel, [&] { return duel.State() == DuelState::Turn; });
    ASSERT_EQ(duel.Thrower(), Side::Left);
    EXPECT_EQ(Bottom(duel.Get(Side::Left)), 208);
    EXPECT_EQ(Bottom(duel.Get(Side::Right)), 208);

    duel.MouseDown(now_);
    duel.Tick(now_);
    EXPECT_EQ(duel.Power(), 0);
    duel.MouseUp(now_);
    RunUntil(duel, [&] { return duel.State() == DuelState::Turn; });
    EXPECT_EQ(duel.Thrower(), Side::Right);
    EXPECT_EQ(Bottom(duel.Get(Side::Left)), 338);
    EXPECT_EQ(Bottom(duel.Get(Side::Right)), 338);
    EXPECT_EQ(duel.Winner(), std::nullopt);
}

TEST_F(SlorrowDuel, OnlyAPersonsTurnTakesTheMouse) {
    GroundBuffer ground;
    for (int x = 0; x < kFieldWidth; ++x) ground.Set(x, 300, 1);
    Duel duel = Make(std::move(ground), 1);
    duel.MouseDown(now_);
    EXPECT_EQ(duel.State(), DuelState::Waiting);
    RunUntil(duel, [&] { return duel.State() == DuelState::Turn; });
    duel.MouseMove(480, 100);
    duel.MouseDown(now_);
    now_ += 2500;
    duel.Tick(now_);
    EXPECT_EQ(duel.Power(), kFullPower);
    duel.MouseUp(now_);
    EXPECT_EQ(duel.State(), DuelState::Flight);
    RunUntil(duel, [&] { return duel.Thrower() == Side::Right && duel.State() != DuelState::Turn; });
    EXPECT_EQ(duel.State(), DuelState::Flight);  // the computer threw at once
    duel.MouseDown(now_);
    EXPECT_EQ(duel.State(), DuelState::Flight);
}

}  // namespace
}  // namespace slorrow
