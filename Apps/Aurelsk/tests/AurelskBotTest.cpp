// The bot dives through the real portal on the headless backend, looking only at the screen:
// it banks treasure, loses its four submarines, watches the game-over picture rise, fills row 1
// of a low table with its name, and "Try Again?" starts a fresh game; a restart still shows the row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Apps/Aurelsk/tests/AurelskBot.h"
#include "harness/PortalSession.h"

namespace aurelsk::test {
namespace {

class AurelskBotTest : public PortalSession, public AurelskView {
protected:
    std::vector<uint32_t> FirstRow() const {
        std::vector<uint32_t> row;
        for (int y = 35; y < 52; ++y)
            for (int x = 340; x < 495; ++x) row.push_back(Pixel(x, y));
        return row;
    }
    void StoreLowTable() {
        const char* scores[] = {"50", "40", "30", "20", "10"};
        for (int row = 1; row <= 5; ++row) {
            SetUserValue("Score" + std::to_string(row) + "Name", "Minnow");
            SetUserValue("Score" + std::to_string(row) + "Score", scores[row - 1]);
        }
    }
};

TEST_F(AurelskBotTest, BanksTreasureLosesFourLivesAndTakesTheFirstRow) {
    MakeInstalledWithTheGuest();
    StartWithGame(AURELSK_GAM);
    ASSERT_TRUE(OnTitle());
    StoreLowTable();
    const std::vector<uint32_t> lowRow = FirstRow();

    DiveIn();
    ASSERT_TRUE(OnPlay());
    EXPECT_EQ(Oxygen(), 180);
    EXPECT_EQ(HoldLights(), 0);
    AnswerInput("Robo Diver");
    AurelskBot bot(*this);
    const BotReport report = bot.PlayToTheEnd(3, 6000);

    ASSERT_TRUE(report.gameOver);
    EXPECT_GE(report.banked, 1);
    EXPECT_GE(report.lowRefills, 1);
    // The picture rose: each sighting higher than the one before.
    ASSERT_GE(report.gameOverTops.size(), 10u);
    EXPECT_TRUE(std::ranges::is_sorted(report.gameOverTops, std::greater<>()));
    EXPECT_EQ(UserValue("Score1Name"), "Robo Diver");
    EXPECT_EQ(UserValue("Score2Name"), "Minnow");
    EXPECT_EQ(UserValue("Score2Score"), "50");
    // 500 for each treasure banked, less at most 10 a tick spent filling the tank; kills only add.
    const int score = std::stoi(UserValue("Score1Score"));
    EXPECT_GE(score, 500 * report.banked - 10 * report.surfacedTicks);
    EXPECT_EQ(score % 5, 0);

    TryAgain();
    Wait(200);
    ASSERT_TRUE(OnPlay());
    EXPECT_EQ(Oxygen(), 180);
    EXPECT_EQ(GameOverTop(), -1);
    Quit();  // the play screen's own end is not up: Quit is where "Quit?" was, a click in the sea
    ExpectPress("IDD_QUIT_*", kIdAccept);
    Restart();
    ASSERT_TRUE(OnTitle());
    EXPECT_NE(FirstRow(), lowRow);
    EXPECT_EQ(UserValue("Score1Name"), "Robo Diver");
}

}  // namespace
}  // namespace aurelsk::test
