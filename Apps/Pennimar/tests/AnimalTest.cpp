#include <gtest/gtest.h>

#include "Apps/Pennimar/Animal.h"
#include "Apps/Pennimar/tests/FieldDriver.h"

namespace pennimar {
namespace {

Animal At(float x, float y, float vx, float vy) {
    Animal a;
    a.x = x, a.y = y, a.vx = vx, a.vy = vy, a.width = 24, a.height = 18;
    a.facingRight = vx >= 0;
    return a;
}

TEST(Animal, FencesTurnBackTheComponentThatRunsIntoThem) {
    FenceField field;
    field.BuildFieldBorder();
    struct Case {
        const char* name;
        Animal animal;
        float vx, vy;
        bool facingRight;
    } cases[] = {
        {"right side", At(472.5f, 200, 3, 1), -3, 1, false},
        {"left side", At(5.5f, 200, -3, 1), 3, 1, true},
        {"bottom", At(200, 399.5f, 1, 3), 1, -3, true},
        {"top", At(200, 56.5f, -1, -3), -1, 3, false},
        {"corner", At(472.5f, 399.5f, 3, 3), -3, -3, false},
    };
    for (Case& c : cases) {
        EXPECT_EQ(c.animal.Step(field), AnimalStep::Bounced) << c.name;
        EXPECT_EQ(c.animal.vx, c.vx) << c.name;
        EXPECT_EQ(c.animal.vy, c.vy) << c.name;
        EXPECT_EQ(c.animal.facingRight, c.facingRight) << c.name;
    }
}

TEST(Animal, TouchingTheTrailCostsALifeButTheFenceDoesNot) {
    FenceField field;
    field.BuildFieldBorder();
    Animal nearFarmer = At(436, 380, 0, 3);  // walking down onto the farmer's fence
    EXPECT_EQ(nearFarmer.Step(field), AnimalStep::Moved);
    ASSERT_EQ(field.StartTrail(Direction::Up, 4).kind, MoveKind::Moved);
    for (int i = 0; i < 5; ++i) field.MovePlayer(Direction::Up, 0, -4);
    Animal onTrail = At(430, 380, 2, 0);
    EXPECT_EQ(onTrail.Step(field), AnimalStep::HitTrail);
    EXPECT_EQ(onTrail.x, 430);
}

TEST(Animal, NeverLeavesTheOpenFieldAsFencesGrow) {
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        testing::FieldDriver driver(seed);
        std::vector<Animal> animals;
        for (int i = 0; i < 12; ++i) {
            const float vx = static_cast<float>(driver.Pick(70) - 35) / 10, vy = static_cast<float>(driver.Pick(70) - 35) / 10;
            animals.push_back(At(static_cast<float>(60 + driver.Pick(380)), static_cast<float>(100 + driver.Pick(250)), vx, vy));
        }
        for (int round = 0; round < 60; ++round) {
            if (driver.Act())
                for (Animal& a : animals)
                    if (a.IsFencedIn(driver.field.Open())) a.awake = false;
            for (int tick = 0; tick < 20; ++tick)
                for (Animal& a : animals) {
                    a.Step(driver.field);
                    if (!a.awake) continue;
                    const int cx = static_cast<int>(a.x) + a.width / 2, cy = static_cast<int>(a.y) + a.height / 2;
                    ASSERT_TRUE(driver.field.IsInOpenField(cx, cy)) << "seed " << seed << " at " << cx << "," << cy;
                }
        }
    }
}

TEST(Animal, MadeFromTheLevelAndBothGenerators) {
    int shell = 0;
    const int shellDraws[] = {7, 50, 99, 123};  // kind 3, then vx, vy and x
    const int runtimeDraws[] = {4321, 300};     // wake time, then y
    int runtime = 0;
    const RandomDraws draws{[&] { return shellDraws[shell++]; }, [&] { return runtimeDraws[runtime++]; }};
    const Animal a = Animal::Make(LevelTable::Level(0), draws, 10000, 30, 20);
    EXPECT_EQ(a.kind, 3);
    EXPECT_EQ(a.wakeTime, 4321 + 10000 + 3000);
    EXPECT_FLOAT_EQ(a.vx, 0.0f);                         // 0.4 x (1 - 50 x 0.02) x 4 x 0.8
    EXPECT_FLOAT_EQ(a.vy, 0.4f * -0.98f * 4 * 0.8f);
    EXPECT_TRUE(a.facingRight);
    EXPECT_EQ(a.x, 173);
    EXPECT_EQ(a.y, 130);
}

}  // namespace
}  // namespace pennimar
