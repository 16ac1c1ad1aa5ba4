// Pellawick in the real portal on the headless backend, launched as RIVAKEL_GAME launches it: the
// bot serves an inning through the portal's window, and the portal closing while the game asks
// for a best player's name keeps the name the game proposed.
#include <gtest/gtest.h>

#include "Apps/Pellawick/tests/PellawickBot.h"
#include "harness/PortalSession.h"

namespace pellawick::test {
namespace {

class PellawickPortalTest : public PortalSession, public PellawickView {
protected:
    void StartOnTitle() {
        MakeInstalledWithTheGuest();
        StartWithGame(PELLAWICK_GAM);
        ASSERT_TRUE(OnTitle());
    }
    // Three strikes: the game ends and asks the name of the new best.
    void StrikeOut(PellawickBot& bot) {
        PlayBall();
        for (int strike = 0; strike < 3; ++strike) {
            bot.Continue();
            bot.ThrowAtNobody();
            if (strike < 2) {
                ASSERT_EQ(bot.WaitForPanel(20000), PanelSeen::Tall);
            }
        }
        bot.WaitForPanel(20000);
    }
};

TEST_F(PellawickPortalTest, TheBotServesAnInningInThePortal) {
    StartOnTitle();
    EXPECT_EQ(UserValue("CurPlayer"), "Guest");
    EXPECT_EQ(UserValue("Guest - Level"), "1");
    PlayBall();
    PellawickBot bot(*this);
    EXPECT_EQ(bot.PlayInning(), PanelSeen::Short);
}

// The name box, and the note that a name is too long, each closed under the game by the portal.
TEST_F(PellawickPortalTest, ClosingThePortalDuringTheNameBoxesKeepsTheProposedName) {
    for (const bool tooLong : {false, true}) {
        StartOnTitle();
        SetUserValue("Score1Score", "0");
        SetUserValue("LastNameEntered", "Ada");
        ExpectClosedUnderTheNameBox(tooLong ? "Thirteen Chars" : "");
        PellawickBot bot(*this);
        StrikeOut(bot);
        EXPECT_TRUE(test_portal::SessionStopping()) << tooLong;
        EXPECT_EQ(UserValue("Score1Name"), "Ada") << tooLong;
        EXPECT_EQ(UserValue("LastNameEntered"), "Ada") << tooLong;
        test_portal::End();
    }
}

}  // namespace
}  // namespace pellawick::test
