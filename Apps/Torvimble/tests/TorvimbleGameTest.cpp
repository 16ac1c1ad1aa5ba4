// The card room through the harness's shell window: the holdings a player starts with, leaving a
// hand in the middle, the gift when the clams run out, the hand that ends on consecutive cards and
// the staff list's cards.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "Apps/Torvimble/tests/TorvimbleBot.h"
#include "Apps/Torvimble/tests/TorvimbleSession.h"
#include "platform/Platform.h"

namespace torvimble::test {
namespace {

constexpr int kStopAsk = 1;

TEST(TorvimbleGame, StartingHoldingsAreNeverBelowOneClam) {
    struct Case {
        std::optional<std::string> stored;
        const char* holdings;
    };
    const Case cases[] = {{std::nullopt, "100"}, {"", "100"},      {"0", "100"},
                          {"-12", "100"},        {"clams", "100"}, {"250", "250"}};
    for (const Case& c : cases) {
        TorvimbleSession session;
        if (c.stored) {
            session.SetValue("CurPlayer", "Guest");
            session.SetValue("Guest - Score", *c.stored);
        }
        ASSERT_TRUE(session.Start());
        EXPECT_TRUE(session.OnTitle());
        EXPECT_EQ(session.Holdings(), c.holdings) << c.stored.value_or("absent");
        EXPECT_EQ(session.Value("CurPlayer"), "Guest");
        EXPECT_EQ(session.Value("Score1Name"), "Rivakel");
    }
}

// Each table with a hand in play, and what leaving it costs.
struct Table {
    const char* name;
    void (TorvimbleView::*choose)();
    bool (TorvimbleView::*on)();
    void (*deal)(TorvimbleSession&);
    int stake;
};

void DealBlackjack(TorvimbleSession& s) { s.Press(layout::kBlackjackBets[2]); }
void PressDeal(TorvimbleSession& s) { s.PressAction(layout::kDeal); }

const Table kTables[] = {
    {"blackjack", &TorvimbleView::ChooseBlackjack, &TorvimbleView::OnBlackjack, DealBlackjack, 3},
    {"in-between", &TorvimbleView::ChooseInBetween, &TorvimbleView::OnInBetween, PressDeal, 1},
    {"poker", &TorvimbleView::ChoosePoker, &TorvimbleView::OnPoker, PressDeal, 1},
};

// Deals until a hand stays in play (a natural or consecutive cards end one at once).
bool StartAHand(TorvimbleSession& session, const Table& table) {
    for (int attempt = 0; attempt < 30; ++attempt) {
        table.deal(session);
        session.Wait(3000);
        if (session.Harness().StopMode() == kStopAsk) return true;
        if (table.deal == PressDeal) PressDeal(session);  // an in-between hand on consecutive cards is over
        session.Wait(3000);
    }
    return false;
}

TEST(TorvimbleGame, LeavingAHandInTheMiddleKeepsTheLossAfterARestart) {
    for (const Table& table : kTables) {
        StoreTestFolder folder;
        int expected = 0;
        {
            TorvimbleSession session(folder.Path());
            ASSERT_TRUE(session.Start());
            (session.*table.choose)();
            ASSERT_TRUE((session.*table.on)()) << table.name;
            ASSERT_TRUE(StartAHand(session, table)) << table.name;
            const int before = std::stoi(session.Holdings());

            session.AnswerBox(platform::IdCancel);
            session.MainMenu();
            EXPECT_TRUE((session.*table.on)()) << table.name;
            EXPECT_EQ(session.Holdings(), std::to_string(before)) << table.name;

            session.AnswerBox(platform::IdOk);
            session.MainMenu();
            EXPECT_TRUE(session.OnTitle()) << table.name;
            EXPECT_EQ(session.Boxes("Return to Main Menu"), 2) << table.name;
            expected = before - table.stake;
            EXPECT_EQ(session.Holdings(), std::to_string(expected)) << table.name;
            session.Stop();
        }
        TorvimbleSession session(folder.Path());
        ASSERT_TRUE(session.Start());
        EXPECT_EQ(session.Holdings(), std::to_string(expected)) << table.name;
    }
}

TEST(TorvimbleGame, TheLastClamLostBringsTheGiftAtTheTableAndWhenLeaving) {
    // A hand with one clam, again from one clam until it is lost.
    bool lost = false;
    TorvimbleSession session;
    session.SetValue("CurPlayer", "Guest");
    for (int attempt = 0; attempt < 30 && !lost; ++attempt) {
        session.SetValue("Guest - Score", "1");
        session.Wait(1000);  // another seed for the next start
        ASSERT_TRUE(session.Start());
        session.ChoosePoker();
        TorvimbleBot bot(session, 1);
        ASSERT_TRUE(bot.PlayPoker()) << bot.Error();
        lost = bot.Gifts() == 1;
        EXPECT_EQ(session.Boxes("Out of clams!"), lost ? 1 : 0);
        EXPECT_EQ(session.Holdings(), std::to_string(bot.Clams()));
        session.Stop();
    }
    EXPECT_TRUE(lost);

    const int boxes = session.Boxes("Out of clams!");
    session.SetValue("Guest - Score", "1");
    ASSERT_TRUE(session.Start());
    session.ChoosePoker();
    PressDeal(session);
    session.Wait(3000);
    session.MainMenu();
    EXPECT_TRUE(session.OnTitle());
    EXPECT_EQ(session.Boxes("Out of clams!"), boxes + 1);
    EXPECT_EQ(session.Holdings(), "100");
}

TEST(TorvimbleGame, ConsecutiveOuterCardsEndTheHandWithNothingAtStake) {
    TorvimbleSession session;
    ASSERT_TRUE(session.Start());
    session.ChooseInBetween();
    TorvimbleBot bot(session, 100);
    for (int hand = 0; hand < 200 && bot.Consecutive() == 0; ++hand) ASSERT_TRUE(bot.PlayInBetween()) << bot.Error();
    ASSERT_EQ(bot.Consecutive(), 1);
    EXPECT_EQ(session.Harness().StopMode(), 0);
    session.MainMenu();
    EXPECT_TRUE(session.OnTitle());
    EXPECT_EQ(session.Boxes("Return to Main Menu"), 0);
    EXPECT_EQ(session.Holdings(), std::to_string(bot.Clams()));
}

// The staff list spelled on small cards, 17 pixels a line from y 10: the two rows above each line
// show only the table, so no card or letter runs into the line above or below it.
TEST(TorvimbleGame, TheStaffListsLinesOfCardsStandApart) {
    TorvimbleSession session;
    session.Harness().Headless()->SetSystemFonts(true);
    ASSERT_TRUE(session.Start());
    for (const char key : std::string("PLUMTAG")) session.Harness().Key(key);
    session.Wait(45000);
    constexpr uint32_t kTable = 0x999999;
    EXPECT_LT(session.Count(kTable, 0, 10, 500, 350), 500 * 340 / 2) << "the cards";
    for (int line = 0; line < 20; ++line) {
        const int y = 10 + 17 * line;
        EXPECT_EQ(session.Count(kTable, 0, y - 2, 500, y), 2 * 500) << "above line " << line + 1;
    }
}

}  // namespace
}  // namespace torvimble::test
