#include <gtest/gtest.h>

#include <cmath>

#include "Apps/Slorrow/MudBall.h"
#include "Apps/Slorrow/TerrainLayout.h"

namespace slorrow {
namespace {

const Box kFarAway{-1000, -1000, 1, 1};

TEST(SlorrowFlight, OneStepFollowsGravityWindAndDrag) {
    MudBall ball({100, 100}, {1, 0}, 80);  // launch speed 80 x 0.275 = 22
    ball.Step(0.05f);
    EXPECT_NEAR(ball.Velocity().x, (22 + 0.05) * 0.99, 1e-4);
    EXPECT_NEAR(ball.Velocity().y, 0.25 * 0.99, 1e-4);
    EXPECT_NEAR(ball.Position().x, 121.8295, 1e-3);
    EXPECT_NEAR(ball.Position().y, 100.2475, 1e-4);
}

TEST(SlorrowFlight, AZeroLengthAimKeepsThePreviousDirection) {
    EXPECT_EQ(UnitToward({5, 5}, {5, 5}, {0, -1}).y, -1);
    const Vec2 unit = UnitToward({0, 0}, {3, 4}, {0, -1});
    EXPECT_FLOAT_EQ(unit.x, 0.6f);
    EXPECT_FLOAT_EQ(unit.y, 0.8f);
}

TEST(SlorrowFlight, HoldingLongerThanTwoSecondsGivesFullPower) {
    for (const auto& [ms, power] : {std::pair{-50LL, 0.0f}, {0LL, 0.0f}, {1000LL, 40.0f}, {2000LL, 80.0f}, {9000LL, 80.0f}}) {
        EXPECT_FLOAT_EQ(PowerAfter(ms), power) << ms;
    }
}

// Every throw from anywhere, any aim, power and wind ends on the ground or below the field.
TEST(SlorrowFlight, EveryThrowLandsOrLeavesWithoutNaN) {
    GroundBuffer ground;
    for (int x = 0; x < kFieldWidth; ++x) ground.Set(x, 410, 1);
    for (int hand = -50; hand <= 550; hand += 50) {
        for (int angle = 0; angle < 360; angle += 15) {
            for (const float power : {0.0f, 40.0f, 80.0f}) {
                for (const int roll : {0, 50, 99}) {
                    const float rad = static_cast<float>(angle) * 3.14159265f / 180.0f;
                    MudBall ball({static_cast<float>(hand), 200}, {std::cos(rad), std::sin(rad)}, power);
                    BallMeets meets = BallMeets::Nothing;
                    int ticks = 0;
                    for (; ticks < 5000 && meets == BallMeets::Nothing; ++ticks) {
                        ball.Step(WindFromRoll(roll));
                        ASSERT_FALSE(std::isnan(ball.Position().x) || std::isnan(ball.Position().y));
                        meets = ball.Check(ground, kFarAway, kFarAway);
                    }
                    EXPECT_NE(meets, BallMeets::Nothing) << hand << " " << angle << " " << power;
                }
            }
        }
    }
}

TEST(SlorrowFlight, NoCandidateIsHitInTheFirst150Units) {
    GroundBuffer sky;
    const Box thrower{90, 90, 40, 40};
    MudBall ball({100, 100}, {0, 0}, 0);
    for (int tick = 0; tick < 36; ++tick) {  // from rest, the 37th step passes 150 units
        ball.Step(0);
        EXPECT_EQ(ball.Check(sky, thrower, kFarAway), BallMeets::Nothing) << tick;
    }
    const Box below{ball.Position().x, ball.Position().y + 20, 20, 20};
    ball.Step(0);
    EXPECT_EQ(ball.Check(sky, kFarAway, below), BallMeets::Right);
}

TEST(SlorrowFlight, MissIsSignedTowardTheTargetAndZeroWhileRising) {
    MudBall rising({300, 100}, {0, -1}, 80);
    rising.Step(0);
    EXPECT_EQ(rising.MissFrom(200, Side::Left), 0);
    MudBall falling({300, 100}, {0, 1}, 10);
    falling.Step(0);
    EXPECT_NEAR(falling.MissFrom(200, Side::Left), 100, 1e-4);
    EXPECT_NEAR(falling.MissFrom(200, Side::Right), -100, 1e-4);
}

}  // namespace
}  // namespace slorrow
