#include <gtest/gtest.h>

#include <deque>

#include "Apps/Slorrow/ComputerAim.h"
#include "Apps/Slorrow/Popularity.h"
#include "Apps/Slorrow/TerrainLayout.h"

namespace slorrow {
namespace {

RandomSource Script(std::deque<int> values) {
    return [values = std::move(values)]() mutable {
        const int value = values.front();
        values.pop_front();
        return value;
    };
}

TEST(SlorrowLayout, WindAndItsGauge) {
    struct Case {
        int roll;
        float wind;
        size_t bars;
        int firstBar, arrowX;
        bool mirrored;
    } const cases[] = {
        {0, 0.075f, 26, 298, 448, false},    // strength 150: bars 298 to 448
        {50, 0.0f, 0, 0, 0, false},
        {45, 0.0075f, 3, 298, 310, false},   // strength 15, the weakest that shows
        {40, 0.015f, 6, 298, 328, false},    // strength 30
        {99, -0.0735f, 25, 200, 47, true},   // strength -147: bars 200 down to 56
    };
    for (const Case& c : cases) {
        const float wind = WindFromRoll(c.roll);
        EXPECT_NEAR(wind, c.wind, 1e-6) << c.roll;
        const WindGauge gauge = GaugeFor(wind);
        EXPECT_EQ(gauge.barXs.size(), c.bars) << c.roll;
        EXPECT_EQ(gauge.arrowShown, c.bars > 0) << c.roll;
        if (c.bars == 0) continue;
        EXPECT_EQ(gauge.barXs.front(), c.firstBar) << c.roll;
        EXPECT_EQ(gauge.arrowX, c.arrowX) << c.roll;
        EXPECT_EQ(gauge.arrowMirrored, c.mirrored) << c.roll;
    }
}

TEST(SlorrowLayout, HillsGoBackToFrontAndReachTheBottom) {
    const std::array<int, kHillKinds> heights = {305, 300, 250, 290, 310, 306};
    const auto hills = LayHills(Script({6, 0, 2, 199, 4, 150, 11, 50, 3, 100}), heights);
    const int kinds[] = {0, 2, 4, 5, 3};
    const int xs[] = {380, 255, 130, 5, -120};
    const int ys[] = {115, 299, 250, 150, 200};
    for (size_t i = 0; i < hills.size(); ++i) {
        EXPECT_EQ(hills[i].kind, kinds[i]);
        EXPECT_EQ(hills[i].x, xs[i]);
        EXPECT_EQ(hills[i].y, ys[i]);
    }
    EXPECT_EQ(PanoramaLeft(Script({966})), 1066);
}

TEST(SlorrowComputer, FirstGuessFromTheWindThenFivePercentOfTheMiss) {
    ComputerAim aim(Side::Right);
    // power 40 + 200 x 0.05 + (13 % 10 - 20) = 33, then + (7 % 10 - 5) x 3 = 39
    const Throw first = aim.Aim({400, 200}, {100, 250}, 0.05f, 0, Script({13, 20, 50, 7}));
    EXPECT_FLOAT_EQ(first.power, 39);
    EXPECT_FLOAT_EQ(first.hand.y, 190);
    EXPECT_LT(first.direction.x, 0);  // toward the target, aimed at the sky's top
    EXPECT_LT(first.direction.y, 0);
    const Throw second = aim.Aim({400, 200}, {100, 250}, 0.05f, 100, Script({20, 50, 5}));
    EXPECT_FLOAT_EQ(second.power, 34);
    EXPECT_EQ(aim.Throws(), 2);

    ComputerAim left(Side::Left);
    EXPECT_FLOAT_EQ(left.Aim({100, 200}, {400, 250}, 0.05f, 0, Script({19, 20, 50, 5})).power, 40 - 10 - 11);
}

TEST(SlorrowComputer, AnAimOnItsOwnHandStillGivesADirection) {
    ComputerAim aim(Side::Right);
    // target x 400 with jitter 0 and height 0 + jitter 40 lands exactly on the hand
    const Throw shot = aim.Aim({400, 50}, {400, 0}, 0, 0, Script({0, 20, 90, 5}));
    EXPECT_FLOAT_EQ(shot.direction.x, 0);
    EXPECT_FLOAT_EQ(shot.direction.y, -1);
}

TEST(SlorrowPopularity, ThreeNotchesOfLeadWin) {
    struct Case {
        std::vector<Side> hits;
        std::optional<Side> winner;
        int pointer;
    } const cases[] = {
        {{}, std::nullopt, 226},
        {{Side::Right, Side::Right, Side::Right}, Side::Left, 76},
        {{Side::Left, Side::Left, Side::Left}, Side::Right, 376},
        {{Side::Left, Side::Right, Side::Left, Side::Right, Side::Left, Side::Left}, std::nullopt, 326},
    };
    for (const Case& c : cases) {
        Popularity meter;
        for (const Side hit : c.hits) meter.HitOn(hit);
        EXPECT_EQ(meter.Winner(), c.winner);
        EXPECT_EQ(meter.PointerX(), c.pointer);
    }
}

}  // namespace
}  // namespace slorrow
