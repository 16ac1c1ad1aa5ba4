// Dunmoro in the real portal on the headless backend, launched as RIVAKEL_GAME launches it: the
// bot plays the challenge through the shell window, and what the game stored is kept under the
// shell's user, so the next start of the portal goes on where the player left off.
#include <string>

#include "Games/Dunmoro/tests/DunmoroBot.h"

#include "harness/PortalSession.h"

namespace dunmoro::test {
namespace {

class DunmoroPortalTest : public PortalSession, public DunmoroView {
protected:
    // Plays challenge boards from `board` on until `last` is cleared; the last result box stays up.
    int PlayChallengeTo(DunmoroBot& bot, int board, int last) {
        int attempts = 0;
        while (attempts < 60) {
            EXPECT_TRUE(OnPlay());
            EXPECT_EQ(bot.RecogniseBoard(), board);
            ++attempts;
            std::string error;
            const bool won = bot.PlayBoard(board, &error);
            EXPECT_TRUE(error.empty()) << error;
            EXPECT_TRUE(ResultBoxUp());
            if (!error.empty() || (won && board == last)) break;
            if (won) ++board;
            BoxFirstButton();  // "Deal Next Level" or "Try Again"
        }
        return attempts;
    }
};

TEST_F(DunmoroPortalTest, TheChallengePlaysThroughTheShellAndGoesOnAfterARestart) {
    MakeInstalledWithTheGuest();
    StartWithGame(DUNMORO_GAM);
    ASSERT_TRUE(TheShell().GameRunning());
    ASSERT_TRUE(OnTitle());
    DunmoroBot bot(*this);
    StartTheGame();
    PlayChallengeTo(bot, 1, 3);
    BoxSecondButton();  // "Quit Challenge"
    ASSERT_TRUE(OnTitle());

    Restart();
    ASSERT_TRUE(TheShell().GameRunning());
    ASSERT_TRUE(OnTitle());
    StartTheGame();
    EXPECT_EQ(bot.RecogniseBoard(), 4);
}

// The profile's boxes while the portal is closed under them: the answer is neither OK nor Cancel,
// and nothing changes.
TEST_F(DunmoroPortalTest, ClosingThePortalDuringAProfileQuestionChangesNothing) {
    struct Case {
        const char* dialog;
        int x, y;  // the button that asks
    };
    const Case cases[] = {{"IDD_INPUT_BOX*", 350, 304}, {"MESSAGEBOX", 345, 284}};
    for (const Case& c : cases) {
        MakeInstalledWithTheGuest();
        StartWithGame(DUNMORO_GAM);
        ASSERT_TRUE(OnTitle());
        SetUserValue("Guest - Won", "500");
        Expect(c.dialog, [this](CDialog&) { headless_->PushClose(); });
        Click(c.x, c.y);
        EXPECT_TRUE(test_portal::SessionStopping()) << c.dialog;
        EXPECT_EQ(UserValue("CurPlayer"), "Guest") << c.dialog;
        EXPECT_EQ(UserValue("Guest - Won"), "500") << c.dialog;
        test_portal::End();
    }
}

}  // namespace
}  // namespace dunmoro::test
