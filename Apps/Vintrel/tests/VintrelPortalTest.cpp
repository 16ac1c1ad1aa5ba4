// Vintrel in the real portal on the headless backend: the portal closed under each of the boxes at
// the end of a game, and during play, where the portal asks first.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Vintrel/tests/VintrelBot.h"
#include "harness/PortalSession.h"

namespace vintrel::test {
namespace {

class VintrelPortalTest : public PortalSession, public VintrelView {
protected:
    // A table every score reaches, the name the box proposes, and a game started.
    void StartAGame() {
        MakeInstalledWithTheGuest();
        StartWithGame(VINTREL_GAM);
        ASSERT_TRUE(OnTitle());
        for (int row = 1; row <= 5; ++row) {
            SetUserValue("Score" + std::to_string(row) + "Name", "Tadpole");
            SetUserValue("Score" + std::to_string(row) + "Score", "0");
        }
        SetUserValue("LastNameEntered", "Ada");
        ClickStart();
        Wait(kStartMs);
        ASSERT_TRUE(OnPlay());
    }
};

// Closing under the name box or under "Name too long" keeps the proposed name in row 1.
TEST_F(VintrelPortalTest, ClosingThePortalUnderTheEndsBoxesKeepsTheProposedName) {
    for (const bool tooLong : {false, true}) {
        StartAGame();
        ExpectClosedUnderTheNameBox(tooLong ? "Thirteen Char" : "");
        VintrelBot bot(*this);
        for (int round = 0; round < 20 && !test_portal::SessionStopping(); ++round) bot.Play(0, 100);
        EXPECT_TRUE(test_portal::SessionStopping()) << tooLong;
        EXPECT_EQ(UserValue("Score1Name"), "Ada") << tooLong;
        EXPECT_EQ(UserValue("Score2Name"), "Tadpole") << tooLong;
        test_portal::End();
    }
}

// During play the portal asks first: declined, the game goes on; accepted, the game stops.
TEST_F(VintrelPortalTest, ClosingThePortalDuringPlayAsksFirst) {
    StartAGame();
    ExpectPress("IDD_QUIT_*", kIdLater);
    headless_->PushClose();
    Wait(100);
    EXPECT_FALSE(test_portal::SessionStopping());
    EXPECT_TRUE(OnPlay());
    ExpectPress("IDD_QUIT_*", kIdAccept);
    headless_->PushClose();
    Wait(100);
    EXPECT_TRUE(test_portal::SessionStopping());
}

}  // namespace
}  // namespace vintrel::test
