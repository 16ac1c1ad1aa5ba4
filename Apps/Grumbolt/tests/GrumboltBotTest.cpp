// The bot plays the last three swamps of the challenge through the shell on the headless
// backend, looking only at the screen: a dead end costs its points and brings back the same
// swamp, each solved swamp is worth its frogs, and after swamp 150 the challenge starts over
// while the table keeps the score, also after a restart of the whole shell.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Grumbolt/tests/GrumboltBot.h"

namespace grumbolt::test {
namespace {

constexpr int kStartScore = 60000;

int PointFactor(int swamp) { return swamp / 20 * 3 + 30; }

TEST(GrumboltBot, PlaysTheLastSwampsOfTheChallengeToTheEnd) {
    StoreTestFolder folder;
    int tally = kStartScore;
    {
        GrumboltSession session(folder.Path());
        session.SetValue("CurPlayer", "Guest");
        session.SetValue("Guest - Level", "148");
        session.SetValue("Guest - Score", std::to_string(kStartScore));
        ASSERT_TRUE(session.Start());
        ASSERT_TRUE(session.OnTitle());
        session.PlayChallenge();
        session.Wait(100);
        ASSERT_TRUE(session.OnSwamp());
        GrumboltBot bot(session);

        const SwampBoard first = bot.Read();
        const std::vector<uint32_t> firstPixels = bot.SwampPixels();
        const auto deadEnd = FindDeadEnd(first);
        ASSERT_TRUE(deadEnd.has_value());
        bot.Play(*deadEnd);
        tally -= PointFactor(148) * first.CountFrogs() / 10;
        EXPECT_EQ(session.Value("Guest - Score"), std::to_string(tally));
        EXPECT_EQ(session.Value("Guest - Level"), "148");
        EXPECT_EQ(bot.Read(), first);
        EXPECT_TRUE(bot.SwampPixels() == firstPixels) << "the swamp came back otherwise";

        for (int swamp = 148; swamp <= 150; ++swamp) {
            const SwampBoard board = bot.Read();
            ASSERT_GE(board.CountFrogs(), 2) << "swamp " << swamp;
            ASSERT_TRUE(bot.SolveShownSwamp()) << "swamp " << swamp;
            tally += PointFactor(swamp) * board.CountFrogs();
            EXPECT_EQ(session.Value("Guest - Score"), std::to_string(tally)) << "swamp " << swamp;
            EXPECT_EQ(session.Value("Guest - Level"), std::to_string(swamp < 150 ? swamp + 1 : 1));
            session.Wait(100);
        }
        EXPECT_TRUE(session.OnTitle());
        EXPECT_EQ(session.Value("Score1Name"), "Guest");
        EXPECT_EQ(session.Value("Score1Score"), std::to_string(tally));
        session.Stop();
    }
    GrumboltSession restarted(folder.Path());
    ASSERT_TRUE(restarted.Start());
    EXPECT_TRUE(restarted.OnTitle());
    EXPECT_EQ(restarted.Value("Guest - Level"), "1");
    EXPECT_EQ(restarted.Value("Score1Score"), std::to_string(tally));
}

}  // namespace
}  // namespace grumbolt::test
