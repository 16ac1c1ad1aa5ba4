// The bot plays the puzzles through the shell window on the headless backend, from the pixels of
// the game area: the first challenge puzzles, numbered boards, dead ends and their choices, the
// last puzzle of the challenge; what the game stored is checked after a restart.
#include <gtest/gtest.h>

#include "Apps/Brisquet2/Puzzle.h"
#include "Apps/Brisquet2/tests/Brisquet2Bot.h"
#include "Apps/Brisquet2/tests/Brisquet2View.h"
#include "Apps/Brisquet2/tests/ShellRandomDouble.h"

namespace brisquet2::test {
namespace {

std::vector<int> ModelBoard(int number, bool challenge) {
    ShellRandomDouble random;
    return MakePuzzle(number, challenge, random.Random()).board.Cells();
}

std::string Stored(Brisquet2Session& session, const char* key) { return session.Value(key).value_or("<absent>"); }

TEST(Brisquet2Bot, SolvesTheFirstChallengePuzzlesAndGoesOnAfterARestart) {
    StoreTestFolder folder;
    {
        Brisquet2Session session(folder.Path());
        ASSERT_TRUE(session.Start());
        ASSERT_TRUE(session.OnTitle());
        EXPECT_EQ(Stored(session, "CurPlayer"), "Guest");
        session.StartBreaking();
        Brisquet2Bot bot(session);
        for (int puzzle = 1; puzzle <= 3; ++puzzle) {
            ASSERT_TRUE(session.OnPlay());
            EXPECT_EQ(bot.ReadBoard().Cells(), ModelBoard(puzzle, true)) << puzzle;
            std::string error;
            ASSERT_TRUE(bot.Solve(&error)) << puzzle << ": " << error;
            ASSERT_TRUE(session.PanelUp()) << puzzle;
            if (puzzle < 3) session.SolvedNext();
        }
        session.SolvedMainMenu();
        EXPECT_TRUE(session.OnTitle());
    }
    Brisquet2Session session(folder.Path());
    ASSERT_TRUE(session.Start());
    // Three puzzles of the first record, 125 points each.
    EXPECT_EQ(Stored(session, "Guest - Level"), "4");
    EXPECT_EQ(Stored(session, "Guest - BreakScore"), "375");
    session.StartBreaking();
    EXPECT_EQ(Brisquet2Bot(session).ReadBoard().Cells(), ModelBoard(4, true));
}

TEST(Brisquet2Bot, ANumberGivesOneBoardEveryTimeAndTheChallengeAnother) {
    Brisquet2Session session;
    Brisquet2Bot bot(session);
    ASSERT_TRUE(session.Start());
    session.ChoosePuzzle("1234");
    ASSERT_TRUE(session.OnPlay());
    const std::vector<int> first = bot.ReadBoard().Cells();
    EXPECT_EQ(first, ModelBoard(1234, false));
    session.AnswerInput("1234");
    session.StripChange();
    EXPECT_EQ(bot.ReadBoard().Cells(), first);
    session.Stop();

    ASSERT_TRUE(session.Start());
    session.ChoosePuzzle("1");
    const std::vector<int> chosenOne = bot.ReadBoard().Cells();
    session.Stop();
    ASSERT_TRUE(session.Start());
    session.StartBreaking();
    EXPECT_NE(bot.ReadBoard().Cells(), chosenOne);
    // One attempt for each numbered board started.
    EXPECT_EQ(Stored(session, "Guest - RandomAttempted"), "3");
}

TEST(Brisquet2Bot, ADeadEndOffersTheSameBoardAgainAtItsCost) {
    Brisquet2Session session;
    Brisquet2Bot bot(session);
    session.SetValue("CurPlayer", "Guest");
    session.SetValue("Guest - Level", "100");
    ASSERT_TRUE(session.Start());
    session.StartBreaking();
    const CBubbleBoard board = bot.ReadBoard();
    std::string error;
    ASSERT_TRUE(bot.PlayIntoDeadEnd(&error)) << error;
    ASSERT_TRUE(session.PanelUp());
    // Bubbles ignore clicks while the panel is up.
    const std::vector<int> dead = bot.ReadBoard().Cells();
    session.FailedReplay();
    EXPECT_FALSE(session.PanelUp());
    EXPECT_EQ(bot.ReadBoard().Cells(), board.Cells());
    EXPECT_NE(dead, board.Cells());
    EXPECT_EQ(Stored(session, "Guest - BreakScore"), "-72");
}

// Cancelling the number prompt of "Choose Another" leaves the board and the strip's buttons.
TEST(Brisquet2Bot, CancellingChooseAnotherLeavesTheBoardPlayable) {
    Brisquet2Session session;
    Brisquet2Bot bot(session);
    ASSERT_TRUE(session.Start());
    session.ChoosePuzzle("777");
    const std::vector<int> board = bot.ReadBoard().Cells();
    std::string error;
    ASSERT_TRUE(bot.PlayIntoDeadEnd(&error)) << error;
    session.FailedNext();  // no answer queued: the prompt is cancelled
    EXPECT_FALSE(session.PanelUp());
    session.AnswerBox(platform::IdOk);
    session.StripReplay();
    EXPECT_EQ(bot.ReadBoard().Cells(), board);
}

TEST(Brisquet2Bot, TheLastChallengePuzzleCannotBeSkippedAndEndsTheChallengeWhenSolved) {
    Brisquet2Session session;
    Brisquet2Bot bot(session);
    session.SetValue("CurPlayer", "Guest");
    session.SetValue("Guest - Level", "150");
    session.SetValue("Guest - BreakScore", "0");
    ASSERT_TRUE(session.Start());
    session.StartBreaking();
    EXPECT_EQ(bot.ReadBoard().Cells(), ModelBoard(150, true));
    const size_t boxes = session.MessageBoxes().size();
    session.AnswerBox(platform::IdOk);
    session.StripSkip();
    ASSERT_EQ(session.MessageBoxes().size(), boxes + 1);
    EXPECT_EQ(session.MessageBoxes().back().text, "You cannot skip past the last puzzle in the challenge");

    std::string error;
    ASSERT_TRUE(bot.PlayIntoDeadEnd(&error)) << error;
    ASSERT_TRUE(session.PanelUp());
    session.AnswerBox(platform::IdOk);
    session.FailedNext();
    EXPECT_EQ(session.MessageBoxes().back().text, "You cannot skip past the last puzzle in the challenge");
    EXPECT_TRUE(session.PanelUp());
    session.FailedMainMenu();
    ASSERT_TRUE(session.OnTitle());
    // A failure costs a tenth of the last record's 2000 points and keeps the puzzle.
    EXPECT_EQ(Stored(session, "Guest - Level"), "150");
    EXPECT_EQ(Stored(session, "Guest - BreakScore"), "-200");

    session.StartBreaking();
    ASSERT_TRUE(bot.Solve(&error)) << error;
    ASSERT_TRUE(session.PanelUp());
    EXPECT_EQ(Stored(session, "Guest - Level"), "1");
    EXPECT_EQ(Stored(session, "Guest - BreakScore"), "1800");
    session.Wait(1000);
    // Only Main Menu is offered; the bubbles of the celebration let its click through.
    session.SolvedMainMenu();
    EXPECT_TRUE(session.OnTitle());
    EXPECT_EQ(Stored(session, "Guest - Level"), "1");
}

// "Level" is read at start-up, held to the challenge's puzzles.
TEST(Brisquet2Bot, TheStoredLevelChoosesTheChallengePuzzle) {
    const struct {
        const char* stored;
        int puzzle;
    } cases[] = {{"5", 5}, {"999", 150}, {"-3", 1}, {"tea", 1}};
    for (const auto& c : cases) {
        Brisquet2Session session;
        session.SetValue("CurPlayer", "Guest");
        session.SetValue("Guest - Level", c.stored);
        ASSERT_TRUE(session.Start());
        session.StartBreaking();
        EXPECT_EQ(Brisquet2Bot(session).ReadBoard().Cells(), ModelBoard(c.puzzle, true)) << c.stored;
    }
}

}  // namespace
}  // namespace brisquet2::test
