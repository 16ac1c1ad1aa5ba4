// Aurelsk in the real portal on the headless backend: the portal closed under each of the game's
// boxes at the end of a game, and during play, where the portal asks first.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Aurelsk/tests/AurelskSession.h"
#include "harness/PortalSession.h"

namespace aurelsk::test {
namespace {

class AurelskPortalTest : public PortalSession, public AurelskView {
protected:
    // A table every score reaches, the name the box proposes, and a game started.
    void StartAGame() {
        MakeInstalledWithTheGuest();
        StartWithGame(AURELSK_GAM);
        ASSERT_TRUE(OnTitle());
        for (int row = 1; row <= 5; ++row) {
            SetUserValue("Score" + std::to_string(row) + "Name", "Minnow");
            SetUserValue("Score" + std::to_string(row) + "Score", "0");
        }
        SetUserValue("LastNameEntered", "Ada");
        DiveIn();
        ASSERT_TRUE(OnPlay());
    }
};

// Closing under the name box or under "Name too long" keeps the proposed name in row 1.
TEST_F(AurelskPortalTest, ClosingThePortalUnderTheEndsBoxesKeepsTheProposedName) {
    for (const bool tooLong : {false, true}) {
        StartAGame();
        ExpectClosedUnderTheNameBox(tooLong ? "Thirteen Char" : "");
        // Down held: each submarine dives at once until its tank runs dry or something rams it.
        KeyDown(kDown);
        for (int second = 0; second < 130 && !test_portal::SessionStopping(); ++second) Wait(1000);
        KeyUp(kDown);
        EXPECT_TRUE(test_portal::SessionStopping()) << tooLong;
        EXPECT_EQ(UserValue("Score1Name"), "Ada") << tooLong;
        EXPECT_EQ(UserValue("Score2Name"), "Minnow") << tooLong;
        test_portal::End();
    }
}

// During play the portal asks first: declined, the dive goes on; accepted, the game stops.
TEST_F(AurelskPortalTest, ClosingThePortalDuringADiveAsksFirst) {
    StartAGame();
    HoldKey(kDown, 600);
    ExpectPress("IDD_QUIT_*", kIdLater);
    headless_->PushClose();
    Wait(100);
    EXPECT_FALSE(test_portal::SessionStopping());
    const int before = Oxygen();
    Wait(1500);
    EXPECT_LT(Oxygen(), before) << "the submarine still breathes under water";
    ExpectPress("IDD_QUIT_*", kIdAccept);
    headless_->PushClose();
    Wait(100);
    EXPECT_TRUE(test_portal::SessionStopping());
}

}  // namespace
}  // namespace aurelsk::test
