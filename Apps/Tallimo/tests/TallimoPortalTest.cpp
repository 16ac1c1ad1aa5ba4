// Tallimo in the real portal on the headless backend: the bot passes an early truck and fails the
// rest, sees the money count up with each green cell, enters its name on the truck and finds its
// own tally in the table; the portal closed during the game's stop box; and a hundred runs leave
// nothing behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Apps/Tallimo/tests/TallimoBot.h"
#include "harness/PortalSession.h"
#include "harness/ShellFootprint.h"

namespace tallimo::test {
namespace {

class TallimoPortalTest : public PortalSession, public TallimoView {};

TEST_F(TallimoPortalTest, TheBotPassesAnEarlyTruckFailsTheRestAndFindsItsTallyInTheTable) {
    MakeInstalledWithTheGuest();
    StartWithGame(TALLIMO_GAM);
    ASSERT_TRUE(OnTitle());
    for (int row = 1; row <= 5; ++row) {
        SetUserValue("Score" + std::to_string(row) + "Name", "Low");
        SetUserValue("Score" + std::to_string(row) + "Score", std::to_string(60 - 10 * row));
    }
    ChooseStartingLevel(0);
    StartTheGame();
    Wait(2200);  // the truck drives in
    ASSERT_TRUE(OnPlay());
    EXPECT_EQ(LivesShown(), 3);
    TallimoBot bot(*this, 1, 0);
    int lives = 3, failsAfterThePass = 0, livesAtThePass = 0, levelOfThePass = 0;
    bool passedOne = false, lastPassed = false;
    std::vector<uint32_t> intro;
    for (int truck = 0; lives > 0 && truck < 8; ++truck) {
        // Planned against the grey pattern until a truck passes, then dropped where they come.
        const int level = bot.Level();
        ASSERT_TRUE(bot.PlayTruck(!passedOne));
        if (!passedOne) {
            EXPECT_EQ(bot.BallsSeenLanded(), bot.Cells()) << "each dropped ball shows in its cell";
            EXPECT_EQ(bot.LastMatches(), bot.PredictedMatches()) << "the balls put on their own grey are framed green";
        }
        EXPECT_EQ(bot.CellsWatched(), bot.Cells()) << "the check frames one cell at a time";
        EXPECT_EQ(bot.MoneyMissteps(), 0) << "the money counts up with each green cell, and only then";
        if (!intro.empty()) {
            EXPECT_EQ(bot.IntroLine() == intro, !lastPassed) << "a failed truck's day and truck again";
        }
        intro = bot.IntroLine();
        lastPassed = bot.LastPassed();
        if (passedOne) {
            EXPECT_FALSE(lastPassed);
            ++failsAfterThePass;
        }
        lives += lastPassed ? (bot.LastPerfect() ? 1 : 0) : -1;
        if (lastPassed && !passedOne) livesAtThePass = lives, levelOfThePass = level;
        passedOne = passedOne || lastPassed;
        EXPECT_EQ(LivesShown(), std::min(lives, 4));
        bot.SendOff();
    }
    EXPECT_TRUE(passedOne) << "a planned truck of the first day passes";
    EXPECT_LE(levelOfThePass, 3);
    EXPECT_EQ(failsAfterThePass, livesAtThePass) << "three when the first truck passes";
    Wait(2200);  // the name entry's truck drives in
    ASSERT_TRUE(OnNameEntry());
    Type("bot");
    Click(66 + 256 + 20, kTruckTop + 6 + 14);
    Wait(200);
    EXPECT_TRUE(OnTitle());
    EXPECT_EQ(UserValue("Score1Name"), "BOT");
    EXPECT_EQ(UserValue("Score1Score"), std::to_string(bot.Money()));
    EXPECT_EQ(UserValue("Score2Name"), "Low");

    Restart();
    ASSERT_TRUE(OnTitle());
    EXPECT_EQ(UserValue("Score1Score"), std::to_string(bot.Money()));
}

TEST_F(TallimoPortalTest, ClosingThePortalDuringPlayAsksAndStops) {
    MakeInstalledWithTheGuest();
    StartWithGame(TALLIMO_GAM);
    ASSERT_TRUE(OnTitle());
    StartTheGame();
    Wait(3000);
    ExpectPress("IDD_QUIT_*", kIdAccept);
    headless_->PushClose();
    Wait(200);
    EXPECT_TRUE(test_portal::SessionStopping());
}

TEST(TallimoLifecycle, AHundredStartsAndStopsLeaveNothingBehind) {
    TallimoSession session;
    ExpectRunsLeaveNothing(TALLIMO_GAM, 5, [&](int run) {
        ASSERT_TRUE(session.Start());
        switch (run % 4) {
            case 0:
                session.StartTheGame();
                session.Wait(6000);
                break;
            case 1:
                session.Harness().ShowInstructions();
                break;
            case 2:
                for (const char key : std::string("PLUMTAG")) session.Key(key);
                session.Wait(5000);
                break;
            default:
                break;
        }
        session.Wait(100);
        session.Stop();
    });
}

}  // namespace
}  // namespace tallimo::test
