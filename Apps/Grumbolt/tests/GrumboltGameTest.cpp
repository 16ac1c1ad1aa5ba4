// The game's stored values and typed numbers as the screens take them, through the shell on the
// headless backend.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Apps/Grumbolt/tests/GrumboltBot.h"

namespace grumbolt::test {
namespace {

// The challenge's first screen with `level` stored for the guest: the swamp and the level kept.
struct Shown {
    SwampBoard board;
    std::string level;
};
Shown ChallengeWithStoredLevel(const std::string& level) {
    GrumboltSession session;
    session.SetValue("CurPlayer", "Guest");
    session.SetValue("Guest - Level", level);
    EXPECT_TRUE(session.Start());
    session.PlayChallenge();
    EXPECT_TRUE(session.OnSwamp()) << level;
    return {GrumboltBot(session).Read(), session.Value("Guest - Level").value_or("")};
}

// A stored level outside the challenge plays from its nearest end, and is stored so.
TEST(GrumboltGame, StoredLevelsOutsideTheChallengePlayItsEnds) {
    const SwampBoard first = ChallengeWithStoredLevel("1").board;
    const SwampBoard last = ChallengeWithStoredLevel("150").board;
    ASSERT_NE(first, last);
    struct Case {
        const char* stored;
        const char* kept;
    };
    for (const Case c : {Case{"0", "1"}, Case{"151", "150"}, Case{"255", "150"}, Case{"65536", "150"},
                         Case{"-5", "1"}, Case{"", "1"}, Case{"lots", "1"}}) {
        const Shown shown = ChallengeWithStoredLevel(c.stored);
        EXPECT_EQ(shown.level, c.kept) << c.stored;
        EXPECT_EQ(shown.board, std::string(c.kept) == "1" ? first : last) << c.stored;
    }
}

TEST(GrumboltGame, SwampNumbersAreAskedAgainUntilOneIsPlayable) {
    GrumboltSession session;
    ASSERT_TRUE(session.Start());
    const std::vector<std::string> refused = {"", "-1", "0", "50001", "99999999999999999999", "x12"};
    for (const std::string& typed : refused) session.AnswerInput(typed);
    session.AnswerInput("50000");
    session.SelectSwamp();
    ASSERT_TRUE(session.OnSwamp());
    int invalid = 0;
    for (const auto& box : session.MessageBoxes()) invalid += box.caption == "Invalid Swamp Number" ? 1 : 0;
    EXPECT_EQ(invalid, static_cast<int>(refused.size()));
    EXPECT_EQ(session.Value("Guest - Level"), "1") << "a numbered swamp is not the challenge";
}

// Solving a numbered swamp asks for the next one; cancelling goes back to the title from inside
// the swamp's own end, which must not touch the swamp after it is gone.
TEST(GrumboltGame, CancellingTheNextNumberGoesBackToTheTitle) {
    GrumboltSession session;
    ASSERT_TRUE(session.Start());
    session.AnswerInput("1");
    session.SelectSwamp();
    ASSERT_TRUE(session.OnSwamp());
    GrumboltBot bot(session);
    ASSERT_TRUE(bot.SolveShownSwamp());
    session.Wait(100);
    EXPECT_TRUE(session.OnTitle());
}

// A stored name longer than any kept is cut, not copied past its room.
TEST(GrumboltGame, AnOverlongStoredNameIsCut) {
    GrumboltSession session;
    const std::string name(5000, 'W');
    session.SetValue("CurPlayer", name);
    session.SetValue(name.substr(0, 99) + " - Score", "1234");
    ASSERT_TRUE(session.Start());
    EXPECT_TRUE(session.OnTitle());
    session.PlayChallenge();
    EXPECT_TRUE(session.OnSwamp());
}

}  // namespace
}  // namespace grumbolt::test
