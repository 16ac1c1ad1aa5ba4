#include "Apps/Aurelsk/SeaSprite.h"

#include <gtest/gtest.h>

namespace aurelsk {
namespace {

TEST(SeaSprite, EnemiesFallToTheirHitsAndScoreTheirPoints) {
    struct Case {
        SeaKind kind;
        int hits;
        int points;
        float speedOfOne;
    };
    for (const Case c : {Case{SeaKind::Shark, 1, 25, 1.0f}, Case{SeaKind::SmallPirate, 1, 50, 0.75f},
                         Case{SeaKind::BigPirate, 2, 75, 0.6f}}) {
        SeaSprite enemy(c.kind, 300, 200, 1.0f, false);
        EXPECT_FLOAT_EQ(enemy.XSpeed(), c.speedOfOne);
        EXPECT_EQ(enemy.Points(), c.points);
        for (int i = 1; i < c.hits; ++i) EXPECT_GT(enemy.TakeHit(), 0);
        EXPECT_EQ(enemy.TakeHit(), 0);
    }
}

TEST(SeaSprite, EnemiesEnteringFromTheLeftStartOutsideTheEdge) {
    const SeaSprite shark(SeaKind::Shark, 0, 200, 2, true);
    EXPECT_FLOAT_EQ(shark.X(), -static_cast<float>(kSharkSize.width));
    const SeaSprite fromRight(SeaKind::Shark, 500, 200, -2, false);
    EXPECT_FLOAT_EQ(fromRight.X(), 500);
}

TEST(SeaSprite, MovesBySpeedAndElapsedTimeAndStopsWhileExploding) {
    SeaSprite pirate(SeaKind::SmallPirate, 100, 200, 4, false);  // 3 pixels per 33 ms
    pirate.Move(1000);
    EXPECT_FLOAT_EQ(pirate.X(), 100) << "the first move only starts the clock";
    pirate.Move(1066);
    EXPECT_FLOAT_EQ(pirate.X(), 106);
    pirate.Explode(1066);
    pirate.Move(1099);
    EXPECT_FLOAT_EQ(pirate.X(), 106);
    EXPECT_FALSE(pirate.IsExplosionOver(1866));
    EXPECT_TRUE(pirate.IsExplosionOver(1867));
}

TEST(SeaSprite, BigPirateHitBoxIgnoresItsOuterSevenPixels) {
    const SeaSprite big(SeaKind::BigPirate, 200, 200, -1, false);
    const SeaSprite small(SeaKind::SmallPirate, 200, 200, -1, false);
    // A torpedo whose nose reaches 6 pixels into the hull from the left.
    const SeaSprite edge(SeaKind::Torpedo, 200 + 6 - kTorpedoSize.width, 205, 1, true);
    EXPECT_FALSE(edge.Touches(big.HitBox()));
    EXPECT_TRUE(edge.Touches(small.HitBox()));
    const SeaSprite deeper(SeaKind::Torpedo, 200 + 8 - kTorpedoSize.width, 205, 1, true);
    EXPECT_TRUE(deeper.Touches(big.HitBox()));
    const SeaSprite rightEdge(SeaKind::Torpedo, 200 + kPirateSize.width - 6, 205, -1, false);
    EXPECT_FALSE(rightEdge.Touches(big.HitBox()));
}

TEST(SeaSprite, PiratesFireAheadFasterThanThemselves) {
    struct Case {
        float xSpeed;  // before the small pirate's 0.75
        bool right;
        float torpedo;
    };
    for (const Case c : {Case{-4, false, -7.8f}, Case{4, true, 7.8f}, Case{-16, false, -14.0f}, Case{16, true, 14.0f}}) {
        const SeaSprite pirate(SeaKind::SmallPirate, 250, 200, c.xSpeed, c.right);
        const auto torpedo = pirate.Fire();
        ASSERT_TRUE(torpedo);
        EXPECT_FLOAT_EQ(torpedo->XSpeed(), c.torpedo) << "pirate at " << pirate.XSpeed();
        EXPECT_TRUE(torpedo->IsEnemyTorpedo());
        EXPECT_FLOAT_EQ(torpedo->Y(), 210);
    }
    EXPECT_FALSE(SeaSprite(SeaKind::Shark, 250, 200, -4, false).Fire());
}

TEST(SeaSprite, OnlyTheSideItTravelsToCountsAsOutside) {
    const SeaSprite leftward(SeaKind::Torpedo, 490, 200, -5, false);
    EXPECT_FALSE(leftward.IsOutside(0, 480));
    const SeaSprite gone(SeaKind::Torpedo, -21, 200, -5, false);
    EXPECT_TRUE(gone.IsOutside(0, 500));
}

}  // namespace
}  // namespace aurelsk
