// The bot plays fifty hands at each table, looking only at the screen, and keeps its own ledger;
// after a restart the stored holdings and the table of best players are the ledger's.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Common/HighScores.h"
#include "Apps/Torvimble/tests/TorvimbleBot.h"
#include "Apps/Torvimble/tests/TorvimbleSession.h"

namespace torvimble::test {
namespace {

constexpr int kHands = 50;

TEST(TorvimbleBot, PlaysFiftyHandsAtEachTableAndARestartFindsItsLedger) {
    StoreTestFolder folder;
    int ledger = 0;
    {
        TorvimbleSession session(folder.Path());
        ASSERT_TRUE(session.Start());
        ASSERT_TRUE(session.OnTitle());
        TorvimbleBot bot(session, 100);

        session.ChooseBlackjack();
        ASSERT_TRUE(session.OnBlackjack());
        for (int hand = 0; hand < kHands; ++hand) ASSERT_TRUE(bot.PlayBlackjack(1 + hand % 3)) << bot.Error();
        EXPECT_EQ(session.Holdings(), std::to_string(bot.Clams()));
        session.MainMenu();

        session.ChooseInBetween();
        ASSERT_TRUE(session.OnInBetween());
        for (int hand = 0; hand < kHands; ++hand) ASSERT_TRUE(bot.PlayInBetween()) << bot.Error();
        EXPECT_EQ(session.Holdings(), std::to_string(bot.Clams()));
        session.MainMenu();

        session.ChoosePoker();
        ASSERT_TRUE(session.OnPoker());
        for (int hand = 0; hand < kHands; ++hand) ASSERT_TRUE(bot.PlayPoker()) << bot.Error();
        session.MainMenu();
        ASSERT_TRUE(session.OnTitle());
        EXPECT_EQ(session.Boxes("Out of clams!"), bot.Gifts());
        EXPECT_EQ(session.Boxes("Return to Main Menu"), 0);
        ledger = bot.Clams();
        session.Stop();
    }
    TorvimbleSession session(folder.Path());
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.OnTitle());
    EXPECT_EQ(session.Holdings(), std::to_string(ledger));
    // The fifth default row holds 100; a tie goes above it.
    bool listed = false;
    for (int row = 1; row <= kHighScoreRows; ++row)
        if (session.Value(HighScoreKey(row, "Name")) == "Guest") {
            listed = true;
            EXPECT_EQ(session.Value(HighScoreKey(row, "Score")), std::to_string(ledger));
        }
    EXPECT_EQ(listed, ledger >= 100);
}

}  // namespace
}  // namespace torvimble::test
