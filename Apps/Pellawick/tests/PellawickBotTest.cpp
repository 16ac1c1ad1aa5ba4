// The bot plays the game through the shell on the headless backend, looking only at the screen.
#include <gtest/gtest.h>

#include "Apps/Pellawick/tests/PellawickBot.h"

namespace pellawick::test {
namespace {

TEST(PellawickBot, ServesTheFirstInningToGreatJobWithoutAStrike) {
    PellawickSession session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.OnTitle());
    session.PlayBall();
    ASSERT_EQ(session.Panel(), PanelSeen::Tallest) << "the Little League's intro";
    PellawickBot bot(session);
    EXPECT_EQ(bot.PlayInning(), PanelSeen::Short) << "served " << bot.Serves();
    EXPECT_GE(bot.Serves(), 9);
}

}  // namespace
}  // namespace pellawick::test

namespace pellawick::test {
namespace {

// Ends each inning with P at once, and answers every panel with Space, through the bonus levels
// to the end of the Major Leagues.
TEST(PellawickBot, WalksWithPThroughThePromotionsAndBonusLevelsToTheGameWon) {
    PellawickSession session;
    ASSERT_TRUE(session.Start());
    session.PlayBall();
    PellawickBot bot(session);
    for (int league = 0; league < 3; ++league) {
        ASSERT_EQ(session.Panel(), league == 0 ? PanelSeen::Tallest : PanelSeen::WideIntro) << league;
        for (int inning = 1; inning <= 9; ++inning) {
            ASSERT_EQ(bot.Continue(), PanelSeen::None) << league << " " << inning;
            session.Key('P');
            const PanelSeen expected = inning < 9 ? PanelSeen::Short : league < 2 ? PanelSeen::Bonus : PanelSeen::Tall;
            ASSERT_EQ(bot.WaitForPanel(500), expected) << league << " " << inning;
        }
        if (league == 2) break;
        ASSERT_EQ(bot.Continue(), PanelSeen::None) << "the bonus level " << league;
        session.Key('P');
        ASSERT_EQ(bot.WaitForPanel(500), PanelSeen::Short) << "promoted from " << league;
        ASSERT_EQ(bot.Continue(), PanelSeen::WideIntro);
    }
    session.Key(kSpace);
    session.Wait(100);
    EXPECT_TRUE(session.OnTitle());
}

std::vector<uint32_t> FirstRow(const PellawickSession& session) {
    std::vector<uint32_t> row;
    for (int y = 107; y < 124; ++y)
        for (int x = 205; x < 400; ++x) row.push_back(session.Pixel(x, y));
    return row;
}

// Food for customers who want none: three strikes end the game, and the name given reaches a
// table that held only low scores, as a restart still shows.
TEST(PellawickBot, ThreeStrikesEndTheGameAndTheNameStaysInTheTable) {
    StoreTestFolder folder;
    std::vector<uint32_t> before, after;
    {
        PellawickSession session(folder.Path());
        for (int row = 1; row <= 5; ++row) {
            session.SetValue("Score" + std::to_string(row) + "Name", "Low");
            session.SetValue("Score" + std::to_string(row) + "Score", "0");
        }
        ASSERT_TRUE(session.Start());
        before = FirstRow(session);
        session.PlayBall();
        PellawickBot bot(session);
        session.AnswerInput("Robo Vendor");
        for (int strike = 1; strike <= 3; ++strike) {
            ASSERT_EQ(bot.Continue(), PanelSeen::None) << strike;
            bot.ThrowAtNobody();
            ASSERT_EQ(bot.WaitForPanel(20000), strike < 3 ? PanelSeen::Tall : PanelSeen::Tallest) << strike;
        }
        EXPECT_EQ(session.Value("Score1Name"), "Robo Vendor");
        EXPECT_EQ(session.Value("Score2Name"), "Low");
        EXPECT_EQ(session.Value("Score5Score"), "0");
        session.Key('Q');
        ASSERT_TRUE(session.OnTitle());
        after = FirstRow(session);
        EXPECT_NE(after, before);
        session.Stop();
    }
    PellawickSession restarted(folder.Path());
    ASSERT_TRUE(restarted.Start());
    EXPECT_EQ(FirstRow(restarted), after);
}

}  // namespace
}  // namespace pellawick::test
