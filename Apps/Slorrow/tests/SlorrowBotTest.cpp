// The bot plays through the real portal on the headless backend, looking only at the screen: in
// a game against the computer it throws until the meter or a fall ends it and the winner shown is
// the one the field showed; in a game of two it plays both sides, whose hits cancel out; "Try
// Again" goes back to the choice of sides, not to the title.
#include <gtest/gtest.h>

#include "Apps/Slorrow/tests/SlorrowBot.h"
#include "harness/PortalSession.h"

namespace slorrow::test {
namespace {

class SlorrowBotTest : public PortalSession, public SlorrowView {
protected:
    void StartADuel(bool twoPlayers) {
        MakeInstalledWithTheGuest();
        StartWithGame(SLORROW_GAM);
        ASSERT_TRUE(OnTitle());
        twoPlayers ? ChooseTwoPlayers() : ChooseOnePlayer();
        ASSERT_TRUE(OnSelection());
        Fight();
    }
};

TEST_F(SlorrowBotTest, AgainstTheComputerTheGameEndsWithTheWinnerTheFieldShowed) {
    StartADuel(false);
    SlorrowBot bot(*this);
    int hits = 0;
    int meter = 0;
    std::vector<Seen> last;
    for (int turn = 0; turn < 40 && bot.AwaitTurn(30000); ++turn) {
        last = bot.Candidates();
        ASSERT_EQ(last.size(), 2u);
        if (bot.ThrowAtRival() == Outcome::Hit) ++hits;
        // Watch the meter until the computer has thrown too, or the game ended.
        for (int i = 0; i < 60 && !bot.OnGameOver() && !TurnArrow(); ++i) {
            const int now = bot.Meter();
            if (!bot.Candidates().empty()) meter = now;
            Wait(100);
        }
        if (bot.OnGameOver()) break;
    }
    ASSERT_TRUE(bot.OnGameOver());
    EXPECT_GE(hits, 1) << "the bot never hit the computer";
    // The left-hand player wins at -3, the right-hand one at +3; a fall leaves the other standing.
    if (meter == -3 || meter == 3) {
        EXPECT_EQ(bot.WinnerIsBrambo(), last[meter == -3 ? 0 : 1].blue);
    }
    TryAgain();
    EXPECT_FALSE(OnTitle());
    EXPECT_TRUE(OnSelection());
    Fight();
    EXPECT_TRUE(bot.AwaitTurn(10000));
}

TEST_F(SlorrowBotTest, InAGameOfTwoHitsOnBothSidesCancelOut) {
    StartADuel(true);
    SlorrowBot bot(*this);
    std::vector<int> readings{bot.Meter()};
    bool cancelled = false;
    for (int turn = 0; turn < 40 && !cancelled && bot.AwaitTurn(30000); ++turn) {
        if (bot.ThrowAtRival() != Outcome::Hit) continue;
        Wait(1600);
        readings.push_back(bot.Meter());
        // A hit moves the meter one notch away from the candidate hit.
        const int step = readings.back() - readings[readings.size() - 2];
        EXPECT_EQ(step, bot.LastThrower() == 0 ? -1 : 1) << "turn " << turn;
        cancelled = readings.back() == 0;
    }
    EXPECT_TRUE(cancelled) << "no hit came back to an even meter";
}

}  // namespace
}  // namespace slorrow::test
