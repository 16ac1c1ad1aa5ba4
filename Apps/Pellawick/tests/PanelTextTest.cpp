#include "Apps/Pellawick/PanelText.h"

#include <gtest/gtest.h>

#include <climits>

namespace pellawick {
namespace {

std::string Joined(const PanelText& panel) {
    std::string all;
    for (const PanelLine& line : panel.lines) all += line.text + "|";
    return all;
}

TEST(PanelTextTest, StrikesCountTheLivesLeft) {
    const RandomSource rand = [] { return 1; };
    PellawickGame game(rand, [](int league) {
        LevelValues v = BuiltInLevels(league);
        v.minTimeBetweenCustomers = v.maxTimeBetweenCustomers = INT_MAX / 2;
        return v;
    });
    int now = 0;
    game.NewGame(now);
    EXPECT_NE(Joined(PanelFor(game)).find("Little League"), std::string::npos);
    game.KeyDown(' ', now);
    const char* expected[] = {"you have 2 more|lives left...|", "you have 1 more|life left...|"};
    for (const char* text : expected) {
        game.ArrowPressed(Arrow::Left, now);
        while (game.GetPanel() == Panel::None && now < 100000) game.Tick(now += 20);
        const PanelText panel = PanelFor(game);
        EXPECT_EQ(panel.left, 145);
        EXPECT_EQ(panel.bottom, 320);
        EXPECT_NE(Joined(panel).find("Make sure customers"), std::string::npos);
        EXPECT_NE(Joined(panel).find(text), std::string::npos) << Joined(panel);
        game.KeyDown(' ', now);
    }
}

TEST(PanelTextTest, CongratulationsWriteTheScoreWithSeparators) {
    EXPECT_EQ(Congratulation(5, 900), "What a 'striking' high score!  You just earned 900 points!");
    EXPECT_EQ(Congratulation(1, 25000),
              "Congratulations!  You just entered the Pella Wick Hall of Fame with 25,000 points!");
    EXPECT_EQ(Congratulation(4, 1234567),
              "Wow!  You\xB4re in a league of your own with the amazing high score of 1,234,567 points!");
    EXPECT_EQ(Congratulation(6, 100), "");
    EXPECT_EQ(CheerWordsOf(2).second, "2 Go!");
    EXPECT_EQ(CheerWordsOf(7).second, "");
}

}  // namespace
}  // namespace pellawick
