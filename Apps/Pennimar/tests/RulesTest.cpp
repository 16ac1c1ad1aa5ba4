#include <gtest/gtest.h>

#include "Apps/Pennimar/Enemy.h"
#include "Apps/Pennimar/FenceField.h"
#include "Apps/Pennimar/KeyRepeat.h"
#include "Apps/Pennimar/LevelEnd.h"
#include "Apps/Pennimar/LevelTable.h"
#include "Apps/Pennimar/Scoring.h"
#include "Apps/Pennimar/tests/FieldDriver.h"

namespace pennimar {
namespace {

TEST(LevelTable, RowsAndTheGrowthPastThem) {
    struct Case {
        int level, animals;
        float speed, factor;
        int needed, delay;
        float enemy;
    } cases[] = {
        {-3, 4, 0.40f, 1.0f, 55, 10000, 0.50f}, {0, 4, 0.40f, 1.0f, 55, 10000, 0.50f},
        {7, 12, 0.78f, 1.9f, 80, 25, 1.00f},    {14, 35, 1.15f, 2.9f, 90, 0, 1.50f},
        {15, 37, 1.18f, 3.1f, 90, 0, 1.50f},    {20, 47, 1.33f, 4.1f, 90, 0, 1.50f},
    };
    for (const Case& c : cases) {
        const LevelSettings s = LevelTable::Level(c.level);
        EXPECT_EQ(s.kinds, 4) << c.level;
        EXPECT_EQ(s.animals, c.animals) << c.level;
        EXPECT_NEAR(s.animalSpeed, c.speed, 1e-5) << c.level;
        EXPECT_NEAR(s.pointFactor, c.factor, 1e-5) << c.level;
        EXPECT_EQ(s.neededPercent, c.needed) << c.level;
        EXPECT_EQ(s.enemyDelaySeconds, c.delay) << c.level;
        EXPECT_NEAR(s.enemySpeed, c.enemy, 1e-5) << c.level;
    }
    EXPECT_EQ(LevelTable::Name(0), "Very Easy");
    EXPECT_EQ(LevelTable::Name(5), "Easy");
    EXPECT_EQ(LevelTable::Name(12), "Very Hard");
    EXPECT_EQ(LevelTable::Name(40), "Very Hard");
}

TEST(Scoring, PointsAndBonuses) {
    EXPECT_EQ(AnimalPoints(0, 1.0f), 50);
    EXPECT_EQ(AnimalPoints(1, 1.1f), 82);
    EXPECT_EQ(AnimalPoints(3, 2.9f), 435);
    EXPECT_EQ(AllAnimalsShare(3, 1.0f), 93);
    EXPECT_EQ(ExtraAreaBonus(70, 55, 1.0f), 3 * 2 * 15);
    EXPECT_EQ(ExtraAreaBonus(100, 90, 2.9f), 8 * 4 * 10);
    EXPECT_EQ(ExtraAreaBonus(60, 60, 1.5f), 0);
    EXPECT_EQ(ExtraAreaBonus(40, 60, 1.5f), 0);
}

TEST(LevelEnd, TheShareOrEveryAnimalEndsTheFarm) {
    const LevelSettings level0 = LevelTable::Level(0);
    std::vector<Animal> animals(2);
    animals[0].kind = 3, animals[1].kind = 0;
    const LevelEnd short54 = CheckLevelEnd(54, level0, animals);
    EXPECT_FALSE(short54.over);
    const LevelEnd reached = CheckLevelEnd(70, level0, animals);
    EXPECT_TRUE(reached.over);
    EXPECT_EQ(reached.extraPercent, 15);
    EXPECT_EQ(reached.Total(), 90);
    animals[0].awake = animals[1].awake = false;
    const LevelEnd fencedIn = CheckLevelEnd(20, level0, animals);  // every animal asleep: at once, as 100 %
    EXPECT_TRUE(fencedIn.over && fencedIn.allAsleep);
    EXPECT_EQ(fencedIn.shownPercent, 100);
    EXPECT_EQ(fencedIn.animalsBonus, 93 + 31);
    EXPECT_EQ(fencedIn.areaBonus, 3 * 4 * 45);
    EXPECT_FALSE(CheckLevelEnd(20, level0, {}).over);  // no animals is not all of them asleep
}

TEST(Scoring, ExtraLivesAtGrowingMarks) {
    ExtraLives lives;
    EXPECT_EQ(lives.Award(999), 0);
    EXPECT_EQ(lives.Award(1000), 1);
    EXPECT_EQ(lives.Award(2999), 0);
    EXPECT_EQ(lives.Award(3000), 1);
    EXPECT_EQ(lives.Award(10000), 2);  // 6000 and 10000 passed at once
    EXPECT_EQ(lives.NextScore(), 15000);
}

TEST(KeyRepeat, OnceOnPressThenEveryTickAfterTheDelay) {
    KeyRepeat key;
    const struct {
        bool down;
        long long now;
        bool moves;
    } ticks[] = {{true, 0, true},   {true, 50, false}, {true, 100, false}, {true, 150, true},
                 {true, 200, true}, {false, 250, false}, {true, 300, true}, {true, 350, false}};
    for (const auto& t : ticks) EXPECT_EQ(key.Poll(t.down, t.now), t.moves) << t.now;
}

TEST(Enemy, RunsTheRingAndCatchesTheFarmer) {
    FenceField field;
    field.BuildFieldBorder();
    const auto forward = Enemy::Place(field.Ring(), field.PlayerSegment(), true);
    ASSERT_TRUE(forward);
    EXPECT_EQ(forward->X(), 248);  // the top side's middle, 250, down to a multiple of 4
    EXPECT_EQ(forward->Y(), 56);
    Enemy e = *forward;
    ASSERT_TRUE(e.Advance(field.Ring(), 250));  // past the top-right corner
    EXPECT_EQ(e.X(), 496);
    EXPECT_EQ(e.Y(), 58);
    Enemy back = *Enemy::Place(field.Ring(), field.PlayerSegment(), false);
    ASSERT_TRUE(back.Advance(field.Ring(), 250));
    EXPECT_EQ(back.X(), 4);
    EXPECT_EQ(back.Y(), 62);
    EXPECT_TRUE(e.Catches({500, 60}));
    EXPECT_FALSE(e.Catches({502, 58}));
}

TEST(Enemy, LeavesWhenACaptureTakesItsFence) {
    // One enemy on every fence before each capture: those whose fence is not standing whole
    // afterwards are told so, never led along a fence that is gone.
    testing::FieldDriver driver(5);
    const FenceField& field = driver.field;
    int removed = 0, captures = 0;
    while (captures < 20) {
        const FenceList before = field.Ring();
        std::vector<Enemy> enemies;
        for (size_t i = 0; i < before.Count(); ++i)
            enemies.push_back(*Enemy::Place(before, (i + before.Count() - before.Count() / 2) % before.Count(), i % 2 == 0));
        if (!driver.Act()) continue;
        ++captures;
        for (size_t i = 0; i < enemies.size(); ++i) {
            bool standing = false;
            for (const FenceSegment& s : field.Ring().Segments())
                standing = standing || (s.Start() == before[i].Start() && s.End() == before[i].End());
            EXPECT_EQ(enemies[i].IsOnRing(field.Ring()), standing);
            EXPECT_EQ(enemies[i].Advance(field.Ring(), 40), standing);
            removed += standing ? 0 : 1;
        }
    }
    EXPECT_GT(removed, captures);
}

}  // namespace
}  // namespace pennimar
