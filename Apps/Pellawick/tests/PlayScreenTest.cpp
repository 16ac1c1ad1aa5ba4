// The play screen's keys as a player presses them, read back from the screen.
#include <gtest/gtest.h>

#include "Apps/Pellawick/tests/PellawickBot.h"

namespace pellawick::test {
namespace {

// A held arrow acts at once and then every 200 ms; the key presses the shell repeats in between
// move nothing more.
TEST(PlayScreen, AHeldArrowStepsAtOnceAndEveryTwoHundredMilliseconds) {
    PellawickSession session;
    ASSERT_TRUE(session.Start());
    session.PlayBall();
    session.Key(kSpace);
    PellawickBot bot(session);
    ASSERT_EQ(bot.Look().sellerStep, 4);
    session.HoldKey(kDownKey, 450);
    session.Wait(40);
    EXPECT_EQ(bot.Look().sellerStep, 1);
    session.HoldKey(kUpKey, 30);
    session.Wait(40);
    EXPECT_EQ(bot.Look().sellerStep, 2);
    // Pressed and let go before the next tick polls it: one step all the same.
    session.Key(kUpKey);
    session.Wait(40);
    EXPECT_EQ(bot.Look().sellerStep, 3);
}

}  // namespace
}  // namespace pellawick::test
