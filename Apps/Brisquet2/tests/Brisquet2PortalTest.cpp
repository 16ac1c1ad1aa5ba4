// Brisquet2 in the real portal on the headless backend, launched as RIVAKEL_GAME launches it: the
// bot solves the first puzzle through the portal's window, the portal is closed under "Well Done"
// and the next start goes on from the second; the portal closing under any of the game's boxes
// changes nothing the game stored.
#include <gtest/gtest.h>

#include "Apps/Brisquet2/Puzzle.h"
#include "Apps/Brisquet2/tests/Brisquet2Bot.h"
#include "Apps/Brisquet2/tests/Brisquet2View.h"
#include "Apps/Brisquet2/tests/ShellRandomDouble.h"
#include "harness/PortalSession.h"

namespace brisquet2::test {
namespace {

class Brisquet2PortalTest : public PortalSession, public Brisquet2View {};

TEST_F(Brisquet2PortalTest, TheFirstPuzzleIsSolvedThroughThePortalAndTheNextStartGoesOn) {
    MakeInstalledWithTheGuest();
    StartWithGame(BRISQUET2_GAM);
    ASSERT_TRUE(TheShell().GameRunning());
    ASSERT_TRUE(OnTitle());
    StartBreaking();
    Brisquet2Bot bot(*this);
    std::string error;
    ASSERT_TRUE(bot.Solve(&error)) << error;
    ASSERT_TRUE(PanelUp());
    ExpectPress("IDD_QUIT_*", kIdAccept);
    headless_->PushClose();
    Wait(100);
    ASSERT_TRUE(test_portal::SessionStopping());
    test_portal::End();
    Start();
    EXPECT_EQ(UserValue("Guest - Level"), "2");
    EXPECT_EQ(UserValue("Guest - BreakScore"), "125");
    ASSERT_TRUE(OnTitle());
    StartBreaking();
    ShellRandomDouble random;
    EXPECT_EQ(bot.ReadBoard().Cells(), MakePuzzle(2, true, random.Random()).board.Cells());
}

// Each of the game's boxes with the portal closed under it: the answer is neither OK nor Cancel,
// and the player's items stay as they were.
TEST_F(Brisquet2PortalTest, ClosingThePortalDuringABoxChangesNothing) {
    struct Case {
        const char* name;
        const char* level;
        bool onPlay;  // the button is on the strip of the challenge
        int x, y;
        const char* dialog;
    };
    const Case cases[] = {
        {"reset player", "3", false, 450, 332, "MESSAGEBOX"},
        {"change player", "3", false, 380, 332, "IDD_INPUT_BOX*"},
        {"puzzle number", "3", false, 200, 407, "IDD_INPUT_BOX*"},
        {"replay", "3", true, 70, 402, "MESSAGEBOX"},
        {"skip", "3", true, 330, 402, "MESSAGEBOX"},
        {"skip the last", "150", true, 330, 402, "MESSAGEBOX"},
    };
    for (const Case& c : cases) {
        MakeInstalledWithTheGuest();
        StartWithGame(BRISQUET2_GAM);
        ASSERT_TRUE(OnTitle()) << c.name;
        SetUserValue("Guest - Level", c.level);
        SetUserValue("Guest - BreakScore", "500");
        if (c.onPlay) {
            Restart();
            StartBreaking();
            ASSERT_TRUE(OnPlay()) << c.name;
        }
        Expect(c.dialog, [this](CDialog&) { headless_->PushClose(); });
        if (c.onPlay) ExpectPress("IDD_QUIT_*", kIdAccept);
        Click(c.x, c.y);
        EXPECT_TRUE(test_portal::SessionStopping()) << c.name;
        EXPECT_EQ(UserValue("CurPlayer"), "Guest") << c.name;
        EXPECT_EQ(UserValue("Guest - Level"), c.level) << c.name;
        EXPECT_EQ(UserValue("Guest - BreakScore"), "500") << c.name;
        test_portal::End();
    }
}

}  // namespace
}  // namespace brisquet2::test
