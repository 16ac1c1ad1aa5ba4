// The game in the harness's shell window: its start from stored settings, the screens and their
// buttons, what it stores, and what it does with damaged stored values and layout files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Games/Dunmoro/Rules.h"
#include "Games/Dunmoro/StaffRoll.h"
#include "Games/Dunmoro/tests/DunmoroSession.h"

namespace dunmoro::test {
namespace {

namespace fs = std::filesystem;

class DunmoroGameTest : public ::testing::Test {
protected:
    // The game module copied into its own game folder, with `files` beside it.
    std::string GameFolderWith(const std::vector<std::pair<std::string, std::string>>& files) {
        const fs::path folder = fs::path(session.Folder()) / "game";
        fs::create_directories(folder);
        const fs::path gam = folder / fs::path(DUNMORO_GAM).filename();
        fs::copy_file(DUNMORO_GAM, gam, fs::copy_options::overwrite_existing);
        for (const auto& [name, text] : files) std::ofstream(folder / name, std::ios::binary) << text;
        return gam.string();
    }
    const std::vector<platform::headless::HeadlessBackend::MessageBoxCall>& Boxes() {
        return session.MessageBoxes();
    }

    DunmoroSession session;
};

// ---------------------------------------------------------------- the start

TEST_F(DunmoroGameTest, FirstStartIsTheGuestInTheChallengeOnBoardOne) {
    ASSERT_TRUE(session.Start());
    EXPECT_TRUE(session.OnTitle());
    EXPECT_EQ(session.Value(kCurPlayer), "Guest");
    EXPECT_EQ(session.PlayerValue(kCurPlayMode), "8");
    EXPECT_EQ(session.PlayerValue(kCurLayout), "1");
    EXPECT_EQ(session.Value("Score1Name"), "Rivakel");
    EXPECT_EQ(session.Value("Score5Score"), "100");
    EXPECT_FALSE(session.Value(kBestOruPlayer).has_value());
    EXPECT_EQ(session.Harness().MenuFlags(), 0x33);
    EXPECT_EQ(session.Harness().StopMode(), 0);
}

TEST_F(DunmoroGameTest, StoredModesAtStart) {
    struct Case {
        const char* mode;
        const char* layout;
        const char* storedMode;
        const char* storedLayout;
    };
    const Case cases[] = {
        {"4", "12", "4", "12"}, {"3", "12", "1", "12"}, {"abc", "7", "1", "7"}, {"16", "", "16", "0"},
    };
    for (const Case& c : cases) {
        session.SetPlayerValue(kCurPlayMode, c.mode);
        session.SetPlayerValue(kCurLayout, c.layout);
        ASSERT_TRUE(session.Start());
        EXPECT_TRUE(session.OnTitle()) << c.mode;
        EXPECT_EQ(session.PlayerValue(kCurPlayMode), c.storedMode) << c.mode;
        EXPECT_EQ(session.PlayerValue(kCurLayout), c.storedLayout) << c.mode;
        session.Stop();
    }
}

TEST(DunmoroWithoutAUser, TheGameStillPlaysThoughNothingIsKept) {
    DunmoroSession session({}, false);
    ASSERT_TRUE(session.Start());
    EXPECT_TRUE(session.OnTitle());
    EXPECT_GT(session.Count(0x000000, 420, 30, 500, 47), 20) << "the first best score is the default $1,600";
    EXPECT_GT(session.Count(0x000000, 320, 244, 450, 262), 20) << "the player is the Guest";
    session.StartTheGame();
    EXPECT_TRUE(session.OnPlay());
    EXPECT_TRUE(session.MessageBoxes().empty());
    EXPECT_FALSE(session.Value(kCurPlayer).has_value());
}

// ---------------------------------------------------------------- the mode screen

TEST_F(DunmoroGameTest, ChoosingABoardFromTheTitleComesBackWithIt) {
    ASSERT_TRUE(session.Start());
    session.ModeButton();
    ASSERT_TRUE(session.OnModeScreen());
    // Board 12 is the third Master board: i = 3, x = 22 + 91 * 3, y = 293.
    session.Click(22 + 91 * 3 + 30, 293 + 20);
    ASSERT_TRUE(session.OnTitle());
    EXPECT_EQ(session.PlayerValue(kCurPlayMode), "1");
    EXPECT_EQ(session.PlayerValue(kCurLayout), "12");
    EXPECT_FALSE(session.PlayerValue(kOruAttempts).has_value()) << "the mode screen itself stores no choice";
}

TEST_F(DunmoroGameTest, RestartingTheChallengeAsksFirst) {
    session.SetPlayerValue(kOruBoard, "7");
    session.SetPlayerValue(kOruAttempts, "9");
    ASSERT_TRUE(session.Start());
    session.ModeButton();
    session.AnswerBox(platform::IdCancel);
    session.Click(125, 108);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].caption, "Restart Challenge?");
    EXPECT_EQ(session.PlayerValue(kOruBoard), "7");
    EXPECT_EQ(session.PlayerValue(kOruAttempts), "9");
    session.AnswerBox(platform::IdOk);
    session.Click(125, 108);
    EXPECT_EQ(session.PlayerValue(kOruBoard), "1");
    EXPECT_EQ(session.PlayerValue(kOruAttempts), "0");
}

// ---------------------------------------------------------------- playing

TEST_F(DunmoroGameTest, ResigningCostsTheCardsLeftAndLeavingAfterwardsCostsNothingMore) {
    session.SetPlayerValue(kWon, "100");
    ASSERT_TRUE(session.Start());
    session.StartTheGame();
    ASSERT_TRUE(session.OnPlay());
    EXPECT_EQ(session.Harness().StopMode(), 1);
    EXPECT_EQ(session.PlayerValue(kOruAttempts), "1");
    EXPECT_EQ(session.PlayerValue(kNumGamesPlayed), "1");
    session.Resign();
    EXPECT_TRUE(session.ResultBoxUp());
    EXPECT_EQ(session.PlayerValue(kWon), "-25") << "board 1's 25 cards at $5 each";
    session.Stop();
    EXPECT_EQ(session.PlayerValue(kWon), "-25");
}

TEST_F(DunmoroGameTest, StoppingTheGameInPlayCostsTheCardsLeft) {
    ASSERT_TRUE(session.Start());
    session.StartTheGame();
    session.Stop();
    EXPECT_EQ(session.PlayerValue(kWon), "-125");
    EXPECT_EQ(session.Value("Score5Score"), "100") << "a loss below every best score is not entered";
}

TEST_F(DunmoroGameTest, TryAgainInTheChallengeDealsTheSameBoardAsAnotherAttempt) {
    ASSERT_TRUE(session.Start());
    session.StartTheGame();
    session.Resign();
    session.BoxFirstButton();
    ASSERT_TRUE(session.OnPlay());
    EXPECT_EQ(session.PlayerValue(kOruBoard), "1");
    EXPECT_EQ(session.PlayerValue(kOruAttempts), "2");
    session.Resign();
    session.BoxSecondButton();
    EXPECT_TRUE(session.OnTitle()) << "Quit Challenge";
    EXPECT_EQ(session.PlayerValue(kOruAttempts), "2");
}

TEST_F(DunmoroGameTest, StatisticsPanelStaysSoundWithDamagedCounters) {
    // Resigning board 1 costs its 25 cards at $5; the money saturates at the store's range.
    struct Case {
        const char* played;
        const char* won;
        const char* stored;
    };
    const Case cases[] = {
        {"-1", "2147483647", "2147483522"},
        {"0", "-2147483648", "-2147483648"},
        {"abc", "99999999999999999999", "2147483522"},
        {"2147483647", "12x", "-113"},
    };
    for (const auto& [played, won, stored] : cases) {
        session.SetPlayerValue(kNumGamesPlayed, played);
        session.SetPlayerValue(kWon, won);
        session.SetPlayerValue(kShowStats, "1");
        session.SetPlayerValue(kLongestStreak, std::string(5000, '9'));
        ASSERT_TRUE(session.Start());
        session.StartTheGame();
        ASSERT_TRUE(session.OnPlay()) << played;
        session.Resign();
        session.Stop();
        EXPECT_EQ(session.PlayerValue(kWon), stored) << won;
    }
}

// ---------------------------------------------------------------- boards that cannot be dealt

TEST_F(DunmoroGameTest, ABoardThatCannotBeDealtCostsNothingAndReturnsToTheTitle) {
    const std::string gam = GameFolderWith({{"Layout19.dat", "-25,1,2,1"}, {"Layout20.dat", "2,1"}});
    const std::pair<const char*, const char*> cases[] = {{"1", "99999"}, {"1", "19"}, {"1", "-3"}};
    for (const auto& [mode, layout] : cases) {
        session.SetPlayerValue(kCurPlayMode, mode);
        session.SetPlayerValue(kCurLayout, layout);
        ASSERT_TRUE(session.Start(gam));
        const size_t boxesBefore = Boxes().size();
        session.StartTheGame();
        ASSERT_EQ(Boxes().size(), boxesBefore + 1) << layout;
        EXPECT_EQ(Boxes().back().text, std::string("Board ") + layout + " could not be found.");
        EXPECT_TRUE(session.OnTitle());
        EXPECT_FALSE(session.PlayerValue(kNumGamesPlayed).has_value() &&
                     *session.PlayerValue(kNumGamesPlayed) != "" && *session.PlayerValue(kNumGamesPlayed) != "0");
        session.Stop();
    }
}

TEST_F(DunmoroGameTest, ABoardBesideTheGameIsDealtFromTheGamesFolder) {
    const std::string gam = GameFolderWith({{"LAYOUT20.DAT", "2,100,100,1,300,100,1,"}});
    session.SetPlayerValue(kCurPlayMode, "1");
    session.SetPlayerValue(kCurLayout, "20");
    ASSERT_TRUE(session.Start(gam));
    session.StartTheGame();
    ASSERT_TRUE(session.OnPlay());
    EXPECT_EQ(session.Pixel(124, 140), 0xFFFFFFu) << "a face-up card where the layout puts it";
}

TEST_F(DunmoroGameTest, TheBonusModeIsOfferedNowhereAndStartsNothing) {
    session.SetPlayerValue(kCurPlayMode, "16");
    ASSERT_TRUE(session.Start());
    session.StartTheGame();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_TRUE(session.OnTitle());
    EXPECT_FALSE(session.PlayerValue(kOruAttempts).has_value());
}

// ---------------------------------------------------------------- title screen

TEST_F(DunmoroGameTest, ChangingThePlayerChecksTheName) {
    ASSERT_TRUE(session.Start());
    session.Harness().QueueInput("toolongname");
    session.Harness().QueueInput("   ");
    session.Harness().QueueInput("Maya");
    session.Click(350, 304);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].caption, "Name too long");
    EXPECT_EQ(Boxes()[1].caption, "Invalid Name");
    EXPECT_EQ(session.Value(kCurPlayer), "Maya");
    EXPECT_EQ(session.PlayerValue(kCurPlayMode, "Maya"), "8");
    EXPECT_EQ(session.PlayerValue(kCurLayout, "Maya"), "1");
}

// The panel after a change shows the new name as a title started with that player shows it.
TEST_F(DunmoroGameTest, ChangingThePlayerLeavesNothingOfTheOldName) {
    session.Harness().Headless()->SetSystemFonts(true);
    const auto panel = [this] {
        std::vector<uint32_t> pixels;
        for (int y = 238; y < 290; ++y)
            for (int x = 130; x < 500; ++x) pixels.push_back(session.Pixel(x, y));
        return pixels;
    };
    session.SetValue(kCurPlayer, "Guinevra");
    ASSERT_TRUE(session.Start());
    session.Harness().QueueInput("Mo");
    session.Click(350, 304);
    ASSERT_EQ(session.Value(kCurPlayer), "Mo");
    const std::vector<uint32_t> changed = panel();
    session.Stop();
    ASSERT_TRUE(session.Start());
    EXPECT_EQ(changed, panel());
}

TEST_F(DunmoroGameTest, ResettingTheProfileMovesThePlayerToTheBottomOfTheTable) {
    session.SetValue("Score1Name", "A");
    session.SetValue("Score1Score", "900");
    session.SetValue("Score2Name", "guest");
    session.SetValue("Score2Score", "500");
    for (int row = 3; row <= 5; ++row) {
        session.SetValue("Score" + std::to_string(row) + "Name", "R");
        session.SetValue("Score" + std::to_string(row) + "Score", std::to_string(100 - row));
    }
    session.SetPlayerValue(kWon, "500");
    ASSERT_TRUE(session.Start());
    session.AnswerBox(platform::IdOk);
    session.Click(345, 284);
    EXPECT_EQ(session.PlayerValue(kWon), "0");
    EXPECT_EQ(session.PlayerValue(kOruBoard), "1");
    EXPECT_EQ(session.Value("Score2Name"), "R");
    EXPECT_EQ(session.Value("Score4Score"), "95");
    EXPECT_EQ(session.Value("Score5Name"), "Guest");
    EXPECT_EQ(session.Value("Score5Score"), "0");
}

TEST_F(DunmoroGameTest, TypingTheStaffCodeRollsTheNamesAndReturnsToTheSameTitle) {
    session.SetPlayerValue(kCurPlayMode, "4");
    ASSERT_TRUE(session.Start());
    for (const char key : std::string("PLUMTAG")) session.Harness().Key(key);
    ASSERT_FALSE(session.OnTitle());
    const int inkBefore = session.Count(0xFFFFFF, 0, 0, 500, 60);
    session.Wait(3000);
    EXPECT_GT(session.Count(0xFFFFFF, 0, 0, 500, 60), inkBefore) << "cards were dealt";
    session.Click(355, 408);
    EXPECT_TRUE(session.OnTitle());
    EXPECT_EQ(session.PlayerValue(kCurPlayMode), "4");
}

// Capitals typed as most people type them, Shift pressed for each letter.
TEST_F(DunmoroGameTest, TheStaffCodeTypedWithShiftForEachLetterOpensTheRoll) {
    ASSERT_TRUE(session.Start());
    for (const char key : std::string("PLUMTAG")) {
        session.KeyDown(platform::VkShift);
        session.Key(key);
        session.KeyUp(platform::VkShift);
    }
    EXPECT_FALSE(session.OnTitle());
}

// The first name has a blank as its fifth character: its place in the row, which no other card
// of the row reaches, stays green.
TEST_F(DunmoroGameTest, ABlankInAStaffNameLeavesAGapInTheRow) {
    ASSERT_EQ(StaffNames()[0].substr(4, 1), " ");
    ASSERT_TRUE(session.Start());
    for (const char key : std::string("PLUMTAG")) session.Harness().Key(key);
    session.Wait(2000);
    const int gapLeft = 10 + kStaffLetterStep * 3 + kCardWidth;  // the fourth card's right edge
    const int gapRight = 10 + kStaffLetterStep * 5;              // the sixth card's left edge
    EXPECT_EQ(session.Count(0x339900, gapLeft, 20, gapRight, 60), (gapRight - gapLeft) * 40);
    EXPECT_LT(session.Count(0x339900, gapRight + 20, 20, gapRight + 30, 60), 100)
        << "the next letter is dealt";
}

TEST_F(DunmoroGameTest, InstructionsShowTheHelpPage) {
    ASSERT_TRUE(session.Start());
    session.Harness().ShowInstructions();
    EXPECT_EQ(session.Pixel(3, 415), 0xFF9900u);
    EXPECT_GT(session.Count(0x333399, 0, 0, 500, 40), 50) << "the heading";
    EXPECT_GT(session.Count(0x000000, 0, 40, 500, 400), 500) << "the text";
    session.Harness().BackToGame();
    EXPECT_TRUE(session.OnTitle());
}

}  // namespace
}  // namespace dunmoro::test
