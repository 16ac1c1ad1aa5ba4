// Glimtide in the real portal on the headless backend, launched as RIVAKEL_GAME launches it: the
// bot plays a whole game through the portal's window to a new best, types its name into the
// portal's box and finds it in the table after the portal restarts; and the portal closing while
// the game asks for a name keeps the name the game proposed.
#include <gtest/gtest.h>

#include "Apps/Glimtide/tests/GlimtideBot.h"
#include "harness/PortalSession.h"

namespace glimtide::test {
namespace {

class GlimtidePortalTest : public PortalSession, public GlimtideView {};

TEST_F(GlimtidePortalTest, AWholeGameEndsInTheTableAndARestartStillShowsIt) {
    MakeInstalledWithTheGuest();
    StartWithGame(GLIMTIDE_GAM);
    ASSERT_TRUE(OnTitle());
    const std::vector<uint32_t> defaultRow = EasyBestRow();
    ChooseEasy();
    GlimtideBot bot(*this);
    ASSERT_TRUE(bot.PlayUntil(7));
    EXPECT_EQ(bot.Mistakes(), 0);
    AnswerInput("Robo Rocket");
    bot.LoseOnPurpose();
    ASSERT_TRUE(PanelUp());
    EXPECT_EQ(UserValue("Score1Name"), "Robo Rocket");
    EXPECT_EQ(UserValue("Score1Score"), "7");
    NoAfterBest();
    ASSERT_TRUE(OnTitle());
    const std::vector<uint32_t> bestRow = EasyBestRow();
    EXPECT_NE(bestRow, defaultRow);

    Restart();
    ASSERT_TRUE(OnTitle());
    EXPECT_EQ(EasyBestRow(), bestRow);
    EXPECT_EQ(UserValue("LastNameEntered"), "Robo Rocket");
}

TEST_F(GlimtidePortalTest, ClosingThePortalWhileTheNameIsAskedKeepsTheProposedName) {
    MakeInstalledWithTheGuest();
    StartWithGame(GLIMTIDE_GAM);
    ASSERT_TRUE(OnTitle());
    SetUserValue("Score1Score", "0");
    SetUserValue("LastNameEntered", "Ada");
    ChooseEasy();
    ExpectClosedUnderTheNameBox();
    GlimtideBot bot(*this);
    ASSERT_TRUE(bot.PlayUntil(1));
    bot.LoseOnPurpose();
    EXPECT_TRUE(test_portal::SessionStopping());
    EXPECT_EQ(UserValue("Score1Name"), "Ada");
    EXPECT_EQ(UserValue("LastNameEntered"), "Ada");
    EXPECT_EQ(UserValue("Score1Score"), "1");
}

}  // namespace
}  // namespace glimtide::test
