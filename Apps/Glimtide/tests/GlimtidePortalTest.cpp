// Glimtide in the real portal on the headless backend, launched as RIVAKEL_GAME launches it: the
// bot plays a game through the portal's window, and the portal closing while the game asks for a
// name keeps the name the game proposed.
#include <gtest/gtest.h>

#include "Apps/Glimtide/tests/GlimtideBot.h"
#include "harness/PortalSession.h"

namespace glimtide::test {
namespace {

class GlimtidePortalTest : public PortalSession, public GlimtideView {};

TEST_F(GlimtidePortalTest, ClosingThePortalWhileTheNameIsAskedKeepsTheProposedName) {
    MakeInstalledWithTheGuest();
    StartWithGame(GLIMTIDE_GAM);
    ASSERT_TRUE(OnTitle());
    SetUserValue("Score1Score", "0");
    SetUserValue("LastNameEntered", "Ada");
    ChooseEasy();
    Expect("IDD_INPUT_BOX*", [this](CDialog&) { headless_->PushClose(); });
    ExpectPress("IDD_QUIT_*", kIdAccept);
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
