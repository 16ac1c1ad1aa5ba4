// The bot plays through the real portal on the headless backend, looking only at the screen: it
// eats its way past 500 points and grows, then loses its lives; its typed name fills row 1 of a
// low table and is offered again; "Y" right after the last death starts a game that plays; and
// with the invincibility code typed on the title bigger blobs pass through it.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Vintrel/tests/VintrelBot.h"
#include "harness/PortalSession.h"

namespace vintrel::test {
namespace {

class VintrelBotTest : public PortalSession, public VintrelView {
protected:
    void StartOnTitle() {
        MakeInstalledWithTheGuest();
        StartWithGame(VINTREL_GAM);
        ASSERT_TRUE(OnTitle());
    }
    void StartAGame() {
        ClickStart();
        Wait(kStartMs);
        ASSERT_TRUE(OnPlay());
    }
    float PlayerX() {
        const VintrelBot::Sight s = VintrelBot(*this).Look();
        return s.player ? s.me.CentreX() : -1;
    }
};

TEST_F(VintrelBotTest, EatsPastFiveHundredGrowsLosesItsLivesAndTakesTheFirstRow) {
    StartOnTitle();
    const char* scores[] = {"50", "40", "30", "20", "10"};
    for (int row = 1; row <= 5; ++row) {
        SetUserValue("Score" + std::to_string(row) + "Name", "Tadpole");
        SetUserValue("Score" + std::to_string(row) + "Score", scores[row - 1]);
    }
    StartAGame();
    AnswerInput("Robo Vintrel");
    VintrelBot bot(*this);
    const BotReport report = bot.Play(5, 20000);

    ASSERT_TRUE(report.gameOver);
    EXPECT_GE(report.largestSize, 4);
    EXPECT_GE(report.deaths, 2);
    EXPECT_TRUE(report.angelGoneOnSpace);
    EXPECT_TRUE(report.splashGoneOnSpace);
    EXPECT_GT(report.angelRise, 20);
    EXPECT_EQ(UserValue("Score1Name"), "Robo Vintrel");
    EXPECT_GE(std::stoi(UserValue("Score1Score")), 500);
    EXPECT_EQ(UserValue("Score2Name"), "Tadpole");
    EXPECT_EQ(UserValue("Score2Score"), "50");
    EXPECT_EQ(UserValue("LastNameEntered"), "Robo Vintrel");

    // "Y" while the angel still rises: the new game must not stand still until the old one's
    // angel time has passed.
    Key('Y');
    Wait(100);
    ASSERT_TRUE(OnPlay());
    EXPECT_FALSE(AskingPlayAgain());
    const float startX = PlayerX();
    ASSERT_GT(startX, 0);
    HoldKey(kRight, 400);
    Wait(200);
    EXPECT_GT(PlayerX(), startX + 20);

    Restart();
    ASSERT_TRUE(OnTitle());
    EXPECT_EQ(UserValue("Score1Name"), "Robo Vintrel");
    EXPECT_EQ(UserValue("LastNameEntered"), "Robo Vintrel");
}

TEST_F(VintrelBotTest, WithTheInvincibilityCodeBiggerBlobsPassThrough) {
    StartOnTitle();
    TypeCode("QUARTZOVEN");
    StartAGame();
    VintrelBot bot(*this);
    const BotReport report = bot.Play(0, 400);
    EXPECT_GE(report.passedThrough, 5);
    EXPECT_EQ(report.deaths, 0);
    EXPECT_FALSE(report.gameOver);
    EXPECT_TRUE(OnPlay());
}

}  // namespace
}  // namespace vintrel::test
