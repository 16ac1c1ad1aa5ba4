// The enemies on a hard farm, in the harness's shell window: one runs along the fence to the
// farmer standing on it and costs a life, and no fence goes with it (there was no trail to take
// back); after the panel, the enemies start over from the far side of the ring.
#include <gtest/gtest.h>

#include "Apps/Pennimar/tests/PennimarBot.h"

namespace pennimar::test {
namespace {

constexpr uint32_t kRail = 0xE0B070;

// The rail of the bottom fence beside the farmer's spot, where a trail taken back would paint.
int RailNear(const PennimarView& view, int x) { return view.Count(kRail, x - 24, 414, x + 24, 418); }

TEST(PennimarEnemy, OneCatchesTheFarmerOnTheFenceAndTakesALifeButNoFence) {
    PennimarSession session;
    ASSERT_TRUE(session.Start());
    session.ChooseLevel(4);
    session.Key(kSpace);
    session.Wait(50);
    PennimarBot bot(session);
    const std::optional<Spot> farmer = bot.Farmer();
    ASSERT_TRUE(farmer);
    ASSERT_EQ(session.LivesShown(), 2);
    const int rail = RailNear(session, farmer->x);
    ASSERT_GT(rail, 0);

    // The first enemy comes after the level's six seconds and runs half the ring.
    int ticks = 0;
    while (!session.PanelUp() && ticks < 400) session.Wait(50), ++ticks;
    ASSERT_TRUE(session.PanelUp());
    EXPECT_GT(ticks, 6000 / 50);
    EXPECT_EQ(session.LivesShown(), 1);
    const std::optional<Spot> caught = bot.Farmer();
    ASSERT_TRUE(caught);
    EXPECT_EQ(caught->x, farmer->x);
    // The enemy over the farmer hides a little of the rail, no more.
    EXPECT_GE(RailNear(session, farmer->x), rail - 15);

    session.Key(kSpace);
    session.Wait(50);
    EXPECT_FALSE(session.PanelUp());
    session.Wait(3000);
    EXPECT_FALSE(session.PanelUp()) << "no enemy waits by the farmer after the panel";
}

}  // namespace
}  // namespace pennimar::test
