// Dunmoro in the real portal on the headless backend, launched as RIVAKEL_GAME launches it: the
// bot plays the challenge through the shell window, and what the game stored is kept under the
// shell's user, so the next start of the portal goes on where the player left off.
#include <string>

#include "Games/Dunmoro/tests/DunmoroBot.h"

// The portal's launch of a test game starts Dunmoro.
#define SHELL_TEST_GAME DUNMORO_GAM
#include "frame/shell/tests/ShellSession.h"

namespace dunmoro::test {
namespace {

constexpr int kAreaX = 189, kAreaY = 129;

class DunmoroPortalTest : public ShellSession, public DunmoroView {
protected:
    uint32_t Pixel(int x, int y) const override { return ShellSession::Pixel(kAreaX + x, kAreaY + y); }
    void Click(int x, int y) override { ShellSession::Click(kAreaX + x, kAreaY + y); }
    void Wait(uint32_t ms) override { Pump(ms); }

    // An installed portal (so the store is saved) whose store has its first user, the guest.
    void MakeInstalledWithTheGuest() {
        std::filesystem::create_directories(root_ / "data" / "Rivakel" / "System");
        std::ofstream(root_ / "data" / "Rivakel" / "System" / "Core.rdt")
            << "<RDT ver=\"00.01.00.00\"><Users><User localid=\"0\"><Email>guest</Email></User></Users>"
               "<Rivlets></Rivlets></RDT>";
    }

    void Restart() {
        test_portal::End();
        Start(true);
    }

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
    Start(true);
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

}  // namespace
}  // namespace dunmoro::test
