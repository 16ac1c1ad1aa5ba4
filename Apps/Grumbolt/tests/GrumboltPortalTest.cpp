// Grumbolt in the real portal on the headless backend, launched as RIVAKEL_GAME launches it: the
// bot plays the first swamp of the challenge through the portal's window, and the portal closing
// under each of the game's boxes stops it with what was stored before the box intact.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Apps/Grumbolt/tests/GrumboltBot.h"
#include "harness/PortalSession.h"

namespace grumbolt::test {
namespace {

class GrumboltPortalTest : public PortalSession, public GrumboltView {
protected:
    void StartOnTheTitle() {
        MakeInstalledWithTheGuest();
        StartWithGame(GRUMBOLT_GAM);
        ASSERT_TRUE(OnTitle());
    }
};

TEST_F(GrumboltPortalTest, TheBotSolvesTheFirstSwampAndTheNextIsKeptOverARestart) {
    StartOnTheTitle();
    PlayChallenge();
    ASSERT_TRUE(OnSwamp());
    GrumboltBot bot(*this);
    const SwampBoard first = bot.Read();
    ASSERT_TRUE(bot.SolveShownSwamp());
    EXPECT_TRUE(OnSwamp());
    EXPECT_EQ(UserValue("Guest - Level"), "2");
    EXPECT_EQ(UserValue("Guest - Score"), std::to_string(30 * first.CountFrogs()));

    Restart();
    ASSERT_TRUE(OnTitle());
    PlayChallenge();
    EXPECT_NE(bot.Read(), first);
}

// Each box, with the portal closed while it is up: the run stops, and what the box would have
// changed is not changed (being stuck costs its points before the box says so).
TEST_F(GrumboltPortalTest, ClosingThePortalUnderEachBoxStopsTheGame) {
    constexpr int kScore = 777;
    struct Case {
        const char* name;
        const char* dialog;
        bool onSwamp;  // the swamp screen asks before the portal closes
        const char* level;
        std::function<int(GrumboltPortalTest&)> ask;  // the score stored after the box
    };
    const Case cases[] = {
        {"reset challenge", "MESSAGEBOX", false, "1", [](GrumboltPortalTest& t) {
             t.ResetChallenge();
             return kScore;
         }},
        {"change challenger", "IDD_INPUT_BOX*", false, "1", [](GrumboltPortalTest& t) {
             t.ChangeChallenger();
             return kScore;
         }},
        {"swamp by number", "IDD_INPUT_BOX*", false, "1", [](GrumboltPortalTest& t) {
             t.SelectSwamp();
             return kScore;
         }},
        {"reset swamp", "MESSAGEBOX", true, "1", [](GrumboltPortalTest& t) {
             t.ResetSwamp();
             return kScore;
         }},
        {"skip swamp", "MESSAGEBOX", true, "1", [](GrumboltPortalTest& t) {
             t.SkipOrChangeSwamp();
             return kScore;
         }},
        {"stuck", "MESSAGEBOX", true, "1",
         [](GrumboltPortalTest& t) {
             GrumboltBot bot(t);
             const SwampBoard board = bot.Read();
             bot.Play(*FindDeadEnd(board), false);
             return kScore - 30 * board.CountFrogs() / 10;
         }},
        // Solved: the points and the next swamp were earned before the box.
        {"solved", "MESSAGEBOX", true, "2",
         [](GrumboltPortalTest& t) {
             GrumboltBot bot(t);
             const SwampBoard board = bot.Read();
             bot.Play(*SolveSwamp(board), false);
             return kScore + 30 * board.CountFrogs();
         }},
    };
    for (const Case& c : cases) {
        StartOnTheTitle();
        SetUserValue("Guest - Score", std::to_string(kScore));
        if (c.onSwamp) {
            PlayChallenge();
            ASSERT_TRUE(OnSwamp()) << c.name;
        }
        Expect(c.dialog, [this](CDialog&) { headless_->PushClose(); });
        if (c.onSwamp) ExpectPress("IDD_QUIT_*", kIdAccept);
        const int score = c.ask(*this);
        Wait(200);
        EXPECT_TRUE(test_portal::SessionStopping()) << c.name;
        EXPECT_EQ(UserValue("Guest - Score"), std::to_string(score)) << c.name;
        EXPECT_EQ(UserValue("Guest - Level"), c.level) << c.name;
        EXPECT_EQ(UserValue("CurPlayer"), "Guest") << c.name;
        test_portal::End();
    }
}

}  // namespace
}  // namespace grumbolt::test
