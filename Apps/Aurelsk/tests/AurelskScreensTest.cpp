// The screens in the harness's shell window: the codes open the staff list and the hidden page
// and "Return to Game" comes back; the title's table on a fresh profile and with bad stored rows;
// the game without its resources.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Aurelsk/tests/AurelskSession.h"

namespace aurelsk::test {
namespace {

TEST(AurelskScreens, TypedCodesOpenTheirPagesAndReturnToTheTitle) {
    AurelskSession session;
    ASSERT_TRUE(session.Start());
    struct Code {
        std::string keys;
        bool (AurelskView::*shown)() const;
    };
    for (const Code& code : {Code{"PLUMTAG", &AurelskView::OnStaffList}, Code{"KELPWHIRL", &AurelskView::OnHiddenPage}}) {
        ASSERT_TRUE(session.OnTitle());
        for (const char key : code.keys) session.Key(key);
        EXPECT_TRUE((session.*code.shown)()) << code.keys;
        session.ReturnToGame();
        EXPECT_TRUE(session.OnTitle()) << code.keys;
    }
}

TEST(AurelskScreens, AFreshProfileShowsTheDefaultTable) {
    AurelskSession session;
    ASSERT_TRUE(session.Start());
    const char* scores[] = {"100000", "80000", "60000", "30000", "10000"};
    for (int row = 1; row <= 5; ++row) {
        EXPECT_EQ(session.Value("Score" + std::to_string(row) + "Name"), "Rivakel");
        EXPECT_EQ(session.Value("Score" + std::to_string(row) + "Score"), scores[row - 1]);
    }
}

// Names are drawn in black on the parchment, never over a black box, whatever is stored.
TEST(AurelskScreens, StoredNamesAreReadableWhateverIsStored) {
    struct Stored {
        const char* name;
        const char* score;
    };
    const Stored cases[] = {
        {"Rivakel", "100000"},
        {"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", "5"},
        {"<b><s0>big</b>", "-2147483648"},
        {"%s%n%d", "99999999999999999999"},
        {"", "not a number"},
    };
    for (const Stored& c : cases) {
        AurelskSession session;
        ASSERT_TRUE(session.Start());
        for (int row = 1; row <= 5; ++row) {
            session.SetValue("Score" + std::to_string(row) + "Name", c.name);
            session.SetValue("Score" + std::to_string(row) + "Score", c.score);
        }
        session.Stop();
        ASSERT_TRUE(session.Start());
        ASSERT_TRUE(session.OnTitle()) << c.name;
        const int nameBox = 100 * 17;
        EXPECT_GT(session.Count(kParchment, 340, 35, 440, 52), nameBox / 2) << c.name;
    }
}

// Without a picture, sound or text the game still plays to its end and starts again.
TEST(AurelskScreens, AModuleWithoutResourcesPlaysToItsEnd) {
    AurelskSession session;
    ASSERT_TRUE(session.Start(AURELSK_BARE_GAM));
    session.DiveIn();
    ASSERT_TRUE(session.OnPlay());
    session.KeyDown(kDown);
    session.Key(kSpace);
    // Four tanks run dry, and the end rises; the game's timer ticks in each wait.
    for (int ms = 0; ms < 4 * 26000 + 3000; ms += 33) session.Wait(33);
    session.KeyUp(kDown);
    EXPECT_GT(session.Count(0x000000, 150, 318, 360, 345), 30) << "Try Again? and Quit?";
    session.TryAgain();
    EXPECT_EQ(session.Count(0x000000, 150, 318, 360, 345), 0);
    EXPECT_TRUE(session.OnPlay());
    session.Quit();
    session.Harness().ShowInstructions();
    session.Stop();
}

}  // namespace
}  // namespace aurelsk::test
