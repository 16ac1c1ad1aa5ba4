// The bot plays the thirty screens through the shell window on the headless backend, from the
// pixels of the game area: every screen cleared in turn with the promotions between the levels
// and the final screen after the last; a dead end and the same board again.
#include <gtest/gtest.h>

#include "Apps/Brisquet/tests/BrisquetBot.h"
#include "Apps/Brisquet/tests/BrisquetView.h"

namespace brisquet::test {
namespace {

TEST(BrisquetBot, ClearsTheFirstScreen) {
    BrisquetSession session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.OnLevelSelect());
    session.ChooseBeginner();
    ASSERT_TRUE(session.OnPlay());
    BrisquetBot bot(session);
    std::string error;
    ASSERT_TRUE(bot.Clear(&error)) << error;
    bot.WaitStill();
    EXPECT_TRUE(session.KeepGoingUp());
}

}  // namespace
}  // namespace brisquet::test
