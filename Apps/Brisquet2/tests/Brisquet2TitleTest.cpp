// The title's boxes in the shell window: the puzzle number prompt refuses what is not a number
// from 1 to 50000 and asks again; players keep their own items across Change Player.
#include <gtest/gtest.h>

#include "Apps/Brisquet2/Puzzle.h"
#include "Apps/Brisquet2/tests/Brisquet2Bot.h"
#include "Apps/Brisquet2/tests/Brisquet2View.h"
#include "Apps/Brisquet2/tests/ShellRandomDouble.h"

namespace brisquet2::test {
namespace {

TEST(Brisquet2Title, ThePuzzleNumberPromptAsksUntilANumberFits) {
    Brisquet2Session session;
    ASSERT_TRUE(session.Start());
    const char* refused[] = {"", "tea", "0", "-5", "50001", "99999999999999999999", "   "};
    for (const char* text : refused) session.AnswerInput(text);
    session.ChoosePuzzle(" 42");
    ASSERT_TRUE(session.OnPlay());
    int invalid = 0;
    for (const auto& box : session.MessageBoxes()) invalid += box.caption == "Invalid Puzzle Number" ? 1 : 0;
    EXPECT_EQ(invalid, static_cast<int>(std::size(refused)));
    ShellRandomDouble random;
    EXPECT_EQ(Brisquet2Bot(session).ReadBoard().Cells(), MakePuzzle(42, false, random.Random()).board.Cells());
}

TEST(Brisquet2Title, EachPlayerKeepsTheirOwnItems) {
    Brisquet2Session session;
    ASSERT_TRUE(session.Start());
    EXPECT_EQ(session.Value("CurPlayer"), "Guest");
    EXPECT_EQ(session.Value("Guest - Level"), "1");
    session.SetValue("Guest - Level", "7");
    session.SetValue("Guest - BreakScore", "900");

    session.ChangePlayer("Ada");
    EXPECT_EQ(session.Value("CurPlayer"), "Ada");
    const char* items[] = {"Level", "BreakScore", "RandomSolved", "RandomAttempted"};
    const char* fresh[] = {"1", "0", "0", "0"};
    for (size_t i = 0; i < std::size(items); ++i)
        EXPECT_EQ(session.Value(std::string("Ada - ") + items[i]), fresh[i]) << items[i];

    session.ChangePlayer("guest");
    session.StartBreaking();
    ShellRandomDouble random;
    EXPECT_EQ(Brisquet2Bot(session).ReadBoard().Cells(), MakePuzzle(7, true, random.Random()).board.Cells());
    EXPECT_EQ(session.Value("Guest - BreakScore"), "900");
}

}  // namespace
}  // namespace brisquet2::test
