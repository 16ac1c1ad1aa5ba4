// Pennimar in the real portal on the headless backend, launched as RIVAKEL_GAME launches it: the
// bot plays a game to its end through the portal's window, and the portal closing under either
// box of the name entry keeps the name the game proposed.
#include <gtest/gtest.h>

#include "Apps/Pennimar/tests/PennimarBot.h"
#include "harness/PortalSession.h"

namespace pennimar::test {
namespace {

class PennimarPortalTest : public PortalSession, public PennimarView {
protected:
    // On the title with a table any score reaches at its last row.
    void StartOnTitle() {
        MakeInstalledWithTheGuest();
        StartWithGame(PENNIMAR_GAM);
        ASSERT_TRUE(OnTitle());
        SetUserValue("Score5Score", "0");
        SetUserValue("LastNameEntered", "Ada");
    }
    // Three lives given to the animals on the first farm.
    void PlayToTheEnd() {
        ChooseLevel(0);
        Key(kSpace);
        Wait(50);
        PennimarBot bot(*this);
        for (int life = 0; life < 3; ++life) {
            ASSERT_TRUE(bot.LoseALife(4000)) << "life " << life + 1;
            if (life < 2) {
                Key(kSpace);
                Wait(50);
            }
        }
    }
};

TEST_F(PennimarPortalTest, AGameToItsEndEntersTheNameAndNoGoesBackToTheTitle) {
    StartOnTitle();
    AnswerInput("Bea");
    PlayToTheEnd();
    ASSERT_TRUE(PanelUp());
    EXPECT_EQ(UserValue("Score5Name"), "Bea");
    EXPECT_EQ(UserValue("Score4Score"), "10000");
    Key('N');
    EXPECT_TRUE(OnTitle());
}

TEST_F(PennimarPortalTest, ClosingThePortalUnderTheNameEntryKeepsTheProposedName) {
    for (const bool tooLong : {false, true}) {
        StartOnTitle();
        ExpectClosedUnderTheNameBox(tooLong ? "Bartholomew Stile" : "");
        PlayToTheEnd();
        EXPECT_TRUE(test_portal::SessionStopping()) << tooLong;
        EXPECT_EQ(UserValue("Score5Name"), "Ada") << tooLong;
        EXPECT_EQ(UserValue("LastNameEntered"), "Ada") << tooLong;
        test_portal::End();
    }
}

}  // namespace
}  // namespace pennimar::test
