// The bot plays single screens through the shell window on the headless backend, from the
// pixels of the game area: a dead end and the ways back to the same board, the hint and the
// reset, the demo's two-bubble secret, and the screens the game cannot read.
#include <gtest/gtest.h>

#include "Apps/Brisquet/tests/BrisquetBot.h"
#include "Apps/Brisquet/tests/BrisquetView.h"

namespace brisquet::test {
namespace {

constexpr uint32_t kBlueBody = 0x3A8CF2;

bool HasBubbles(const CBubbleBoard& board) {
    for (int kind : board.Cells())
        if (kind != CBubbleBoard::kEmpty) return true;
    return false;
}

TEST(BrisquetBot, ADeadEndWaitsForAClickAndBringsBackTheSameBoard) {
    struct Way {
        const char* name;
        void (*click)(BrisquetSession&, const CBubbleBoard&);
    };
    const Way ways[] = {
        {"a bubble", [](BrisquetSession& s, const CBubbleBoard& left) {
             for (int c = 0; c < 8; ++c)
                 for (int r = 0; r < 10; ++r)
                     if (left.At(c, r) != CBubbleBoard::kEmpty) return s.Click(CellX(c) + 16, CellY(r) + 16);
         }},
        {"the game area", [](BrisquetSession& s, const CBubbleBoard&) { s.Click(400, 400); }},
        {"Try Again", [](BrisquetSession& s, const CBubbleBoard&) { s.PanelButton(); }},
    };
    BrisquetSession session;
    BrisquetBot bot(session);
    for (const Way& way : ways) {
        ASSERT_TRUE(session.Start()) << way.name;
        session.ChooseBeginner();
        const CBubbleBoard start = bot.ReadBoard();
        std::string error;
        ASSERT_TRUE(bot.PlayIntoDeadEnd(&error)) << way.name << ": " << error;
        bot.WaitStill();
        ASSERT_TRUE(session.DeadEndUp()) << way.name;
        const CBubbleBoard left = bot.ReadBoard();
        ASSERT_TRUE(HasBubbles(left)) << way.name;
        way.click(session, left);
        bot.WaitStill();
        EXPECT_FALSE(session.DeadEndUp()) << way.name;
        EXPECT_EQ(bot.ReadBoard().Cells(), start.Cells()) << way.name;
        session.Stop();
    }
}

TEST(BrisquetBot, TheHintShowsAndResetBringsBackTheBoard) {
    BrisquetSession session;
    BrisquetBot bot(session);
    ASSERT_TRUE(session.Start());
    session.ChooseIntermediate();
    const CBubbleBoard start = bot.ReadBoard();
    session.Hint();
    EXPECT_TRUE(session.Count(0xFFFFFF, 295, 150, 500, 170) > 20);
    std::string error;
    ASSERT_TRUE(bot.PlayIntoDeadEnd(&error)) << error;
    ASSERT_NE(bot.ReadBoard().Cells(), start.Cells());
    session.PanelButton();
    bot.WaitStill();
    EXPECT_EQ(bot.ReadBoard().Cells(), start.Cells());
}

TEST(BrisquetBot, BothDemoBubblesInOnePauseOpenTheTitle) {
    struct Case {
        const char* name;
        uint32_t before;  // ms after the level select opened
        bool left, right;
        bool opens;
    };
    const Case cases[] = {
        {"both in the pause", 100, true, true, true},
        {"the left one only", 100, true, false, false},
        {"the right one only", 100, false, true, false},
        {"both after the pause", 1200, true, true, false},
    };
    BrisquetSession session;
    for (const Case& c : cases) {
        ASSERT_TRUE(session.Start()) << c.name;
        // Every launch starts its first demo with two blue bubbles.
        session.Wait(60);
        EXPECT_GT(session.Count(kBlueBody, 55, 280, 87, 312), 60) << c.name;
        EXPECT_GT(session.Count(kBlueBody, 413, 280, 445, 312), 60) << c.name;
        session.Wait(c.before - 60);
        // Where the bubbles stand at that time: their place in the pause, or 4 pixels a tick lower.
        const int y = c.before < 1000 ? 296 : 296 + static_cast<int>(c.before - 1000) / 20 * 4;
        if (c.left) session.Click(71, y);
        if (c.right) session.Click(429, y);
        session.Wait(400);
        EXPECT_EQ(session.OnTitle(), c.opens) << c.name;
        if (c.opens) {
            session.Click(250, 150);
            EXPECT_TRUE(session.OnLevelSelect()) << c.name;
        }
        session.Stop();
    }
}

TEST(BrisquetBot, AScreenThatCannotBeReadIsReportedAndTheLevelSelectComesBack) {
    BrisquetSession session;
    // The first screen is damaged, the eleventh missing.
    for (const bool damaged : {true, false}) {
        ASSERT_TRUE(session.Start(BRISQUET_BARE_GAM));
        session.AnswerBox(1);
        damaged ? session.ChooseBeginner() : session.ChooseIntermediate();
        ASSERT_FALSE(session.MessageBoxes().empty());
        EXPECT_NE(session.MessageBoxes().back().text.find(damaged ? "Screen 1 " : "Screen 11 "), std::string::npos);
        EXPECT_TRUE(session.OnLevelSelect());
        session.Stop();
    }
}

TEST(BrisquetBot, ReplayingBeginnerAfterReachingAdvancedKeepsTheBestLevel) {
    BrisquetSession session;
    BrisquetBot bot(session);
    session.SetValue("BestLevel", "2");
    ASSERT_TRUE(session.Start());
    session.ChooseBeginner();
    for (int screen = 1; screen <= 10; ++screen) {
        std::string error;
        ASSERT_TRUE(bot.Clear(&error)) << screen << ": " << error;
        bot.WaitStill();
        if (screen < 10) session.PanelButton();
    }
    ASSERT_TRUE(session.OnPromotion());
    EXPECT_EQ(session.Value("BestLevel"), "2");
    session.Stop();
    EXPECT_EQ(session.Value("BestLevel"), "2");
}

TEST(BrisquetBot, TheStoredBestLevelIsReadWithinItsRange) {
    struct Case {
        const char* stored;
        const char* kept;
    };
    const Case cases[] = {{nullptr, "0"}, {"1", "1"}, {"7", "2"}, {"-3", "0"}, {"abc", "0"}, {"99999999999", "2"}};
    for (const Case& c : cases) {
        BrisquetSession session;
        if (c.stored != nullptr) session.SetValue("BestLevel", c.stored);
        ASSERT_TRUE(session.Start());
        session.Stop();
        EXPECT_EQ(session.Value("BestLevel"), c.kept) << (c.stored ? c.stored : "absent");
    }
}

}  // namespace
}  // namespace brisquet::test
