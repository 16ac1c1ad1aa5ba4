// A bot plays the game through the shell window on the headless backend: the whole challenge,
// then the Apprentice and Master modes until it has cleared every board of each; after a restart
// of the shell, the money, streaks, statistics and best players the game stored are the bot's own
// account of what it played.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <cstdio>
#include <set>

#include "Apps/Common/DecimalText.h"
#include "Games/Dunmoro/tests/DunmoroBot.h"
#include "Games/Dunmoro/tests/DunmoroSession.h"

namespace dunmoro::test {
namespace {

// Plays random boards of one mode until each of boards first to last has been cleared once; the
// last game's result box stays up. The mode's first deal has just been made by the caller.
int ClearEveryBoardOfAMode(DunmoroSession& session, DunmoroBot& bot, int first, int last) {
    std::set<int> cleared;
    int game = 0;
    for (; game < 150; ++game) {
        if (game > 0) session.BoxFirstButton();  // "Play Again" or "Try Again": a new random board
        EXPECT_TRUE(session.OnPlay());
        const int board = bot.RecogniseBoard();
        EXPECT_TRUE(board >= first && board <= last) << "game " << game << " dealt board " << board;
        std::string error;
        const bool won = bot.PlayBoard(board, &error);
        EXPECT_TRUE(error.empty()) << error;
        if (!error.empty()) return game;
        if (won) cleared.insert(board);
        if (static_cast<int>(cleared.size()) == last - first + 1) break;
    }
    EXPECT_EQ(static_cast<int>(cleared.size()), last - first + 1);
    return game + 1;
}

TEST(DunmoroBot, PlaysTheChallengeAndBothModesAndFindsItAllAfterARestart) {
    StoreTestFolder folder;
    BotLedger ledger;
    int challengeAttempts = 0;
    {
        DunmoroSession session(folder.Path());
        ASSERT_TRUE(session.Start());
        DunmoroBot bot(session);
        session.StartTheGame();
        for (int board = 1; board <= 18 && challengeAttempts < 200;) {
            ASSERT_TRUE(session.OnPlay());
            ASSERT_EQ(bot.RecogniseBoard(), board);
            ++challengeAttempts;
            std::string error;
            const bool won = bot.PlayBoard(board, &error);
            ASSERT_TRUE(error.empty()) << error;
            if (won && board == 18) {
                ASSERT_TRUE(session.ChallengeWonUp());
                session.ClickToContinue();
                break;
            }
            ASSERT_TRUE(session.ResultBoxUp());
            if (won) ++board;
            session.BoxFirstButton();  // "Deal Next Level" or "Try Again"
        }
        ASSERT_TRUE(session.OnTitle()) << "the challenge ended in " << challengeAttempts << " attempts";
        EXPECT_EQ(session.Value(kBestOruPlayer), "Guest");
        EXPECT_EQ(session.Value(kBestOruAttempts), std::to_string(challengeAttempts));

        // The Apprentice boards at random: the mode screen's random button, then the title's start.
        session.ModeButton();
        session.Click(22 + 45, 148 + 30);
        ASSERT_TRUE(session.OnTitle());
        session.StartTheGame();
        const int apprenticeGames = ClearEveryBoardOfAMode(session, bot, 1, 9);
        // The Master boards, chosen from the result box's "Change Mode".
        session.BoxSecondButton();
        ASSERT_TRUE(session.OnModeScreen());
        session.Click(22 + 45, 293 + 30);
        const int masterGames = ClearEveryBoardOfAMode(session, bot, 10, 18);
        ledger = bot.Ledger();
        std::printf("challenge cleared in %d attempts; every Apprentice board cleared in %d games, every Master "
                    "board in %d; $%lld won, longest streak %d\n",
                    challengeAttempts, apprenticeGames, masterGames, static_cast<long long>(ledger.money),
                    ledger.longestStreak);
        // The result box is up: leaving now costs nothing more.
        session.Stop();
    }

    DunmoroSession restarted(folder.Path());
    ASSERT_TRUE(restarted.Start());
    EXPECT_TRUE(restarted.OnTitle());
    EXPECT_EQ(restarted.PlayerValue(kWon), std::to_string(ledger.money));
    EXPECT_EQ(restarted.PlayerValue(kNumGamesPlayed), std::to_string(ledger.boardsDealt));
    EXPECT_EQ(restarted.PlayerValue(kLongestStreak), std::to_string(ledger.longestStreak));
    EXPECT_EQ(restarted.PlayerValue(kOruBoard), "1");
    EXPECT_EQ(restarted.PlayerValue(kOruAttempts), "0");
    EXPECT_EQ(restarted.Value(kBestOruAttempts), std::to_string(challengeAttempts));
    // The best players: the defaults and the bot's money, best first, the bot once.
    std::vector<int> expected = {1600, 800, 400, 200, 100};
    expected.push_back(static_cast<int>(ledger.money));
    std::sort(expected.rbegin(), expected.rend());
    bool botListed = false;
    for (int row = 1; row <= 5; ++row) {
        const auto name = restarted.Value("Score" + std::to_string(row) + "Name");
        const auto score = restarted.Value("Score" + std::to_string(row) + "Score");
        ASSERT_TRUE(name && score) << row;
        EXPECT_EQ(ParseDecimal(*score), expected[static_cast<size_t>(row - 1)]) << row;
        if (*name == "Guest") {
            EXPECT_FALSE(botListed);
            botListed = true;
            EXPECT_EQ(*score, std::to_string(ledger.money));
        }
    }
    EXPECT_EQ(botListed, ledger.money >= 100);
}

// The last board of the challenge, played from attempt 17 on, against each kind of stored best.
TEST(DunmoroBot, ClearingTheLastBoardCrownsTheBestPupil) {
    struct Case {
        std::optional<std::string> bestName, bestAttempts;
        int sharesBest;  // the most attempts with which the player still becomes the best pupil
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, INT_MAX},  // the first to win
        {"Sam", "abc", INT_MAX},                // a stored best that is no number counts as none
        {"Sam", "18", 18},                      // a tie goes to the newcomer
        {"Sam", "5", 5},                        // a rising master
    };
    for (const Case& c : cases) {
        DunmoroSession session;
        session.SetPlayerValue(kCurPlayMode, "8");
        session.SetPlayerValue(kOruBoard, "18");
        session.SetPlayerValue(kOruAttempts, "17");
        if (c.bestName) session.SetValue(kBestOruPlayer, *c.bestName);
        if (c.bestAttempts) session.SetValue(kBestOruAttempts, *c.bestAttempts);
        ASSERT_TRUE(session.Start());
        DunmoroBot bot(session);
        session.StartTheGame();
        int attempts = 17;
        for (int deal = 0; deal < 20; ++deal) {
            ++attempts;
            std::string error;
            const bool won = bot.PlayBoard(18, &error);
            ASSERT_TRUE(error.empty()) << error;
            if (won) break;
            session.BoxFirstButton();
        }
        ASSERT_TRUE(session.ChallengeWonUp());
        const bool best = attempts <= c.sharesBest;
        EXPECT_EQ(session.Value(kBestOruPlayer), best ? std::optional<std::string>("Guest") : c.bestName);
        EXPECT_EQ(session.Value(kBestOruAttempts),
                  best ? std::optional<std::string>(std::to_string(attempts)) : c.bestAttempts);
        EXPECT_EQ(session.PlayerValue(kOruAttempts), "0");
        EXPECT_EQ(session.PlayerValue(kOruBoard), "1");
        EXPECT_EQ(session.PlayerValue(kCurLayout), "1");
        session.ClickToContinue();
        EXPECT_TRUE(session.OnTitle());
    }
}

}  // namespace
}  // namespace dunmoro::test
