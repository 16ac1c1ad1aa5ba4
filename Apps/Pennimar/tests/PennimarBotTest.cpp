// The bot plays the game through the shell on the headless backend, looking only at the screen:
// it fences the first farm to the share it needs, sees the next day ask for more, loses its
// lives to the animals, and its score reaches a table stored low, which a restart still holds.
#include <gtest/gtest.h>

#include <vector>

#include "Apps/Pennimar/tests/PennimarBot.h"

namespace pennimar::test {
namespace {

constexpr int kPanelLeft = 155, kPanelTop = 160, kPanelRight = 355, kPanelBottom = 320;
// The intro's line with the share to fence.
constexpr int kShareTop = kPanelTop + 66, kShareBottom = kPanelTop + 94;

std::vector<uint32_t> Rows(const PennimarView& view, int top, int bottom) {
    std::vector<uint32_t> pixels;
    for (int y = top; y < bottom; ++y)
        for (int x = kPanelLeft; x < kPanelRight; ++x) pixels.push_back(view.Pixel(x, y));
    return pixels;
}

TEST(PennimarBot, FencesTheFirstFarmThenLosesItsLivesIntoALowTable) {
    StoreTestFolder folder;
    {
        PennimarSession session(folder.Path());
        for (int row = 1; row <= 5; ++row) {
            session.SetValue("Score" + std::to_string(row) + "Name", "Nobody");
            session.SetValue("Score" + std::to_string(row) + "Score", "0");
        }
        ASSERT_TRUE(session.Start());
        ASSERT_TRUE(session.OnTitle());
        session.ChooseLevel(0);
        ASSERT_TRUE(session.PanelUp());
        const std::vector<uint32_t> firstIntro = Rows(session, kPanelTop, kPanelBottom);

        PennimarBot bot(session);
        bot.LearnEarth();
        ASSERT_TRUE(bot.FenceTheFarm(20000));
        EXPECT_GE(session.FencedPercent(), 55);

        // The next day asks for 60 %: only the line with the share differs from the first day's.
        session.Key(kSpace);
        session.Wait(50);
        ASSERT_TRUE(session.PanelUp());
        // A fresh field: the bar shows the one percent a field starts with.
        EXPECT_LE(session.FencedPercent(), 1);
        EXPECT_EQ(Rows(session, kPanelTop, kShareTop),
                  std::vector<uint32_t>(firstIntro.begin(), firstIntro.begin() + (kShareTop - kPanelTop) * 200));
        EXPECT_NE(Rows(session, kShareTop, kShareBottom),
                  std::vector<uint32_t>(firstIntro.begin() + (kShareTop - kPanelTop) * 200,
                                        firstIntro.begin() + (kShareBottom - kPanelTop) * 200));
        session.Key(kSpace);
        session.Wait(50);

        const int spare = session.LivesShown();
        session.AnswerInput("Robo Farmer");
        int touches = 0;
        while (touches <= spare) {
            ASSERT_TRUE(bot.LoseALife(4000)) << "touch " << touches + 1;
            ++touches;
            if (touches <= spare) {
                EXPECT_FALSE(session.Value("Score1Name") == "Robo Farmer");
                session.Key(kSpace);
                session.Wait(50);
            }
        }
        EXPECT_EQ(spare + bot.LivesLost(), 2) << "two spare lives at the start, and no extra one on the first farm";
        EXPECT_EQ(session.Value("Score1Name"), "Robo Farmer");
        EXPECT_EQ(session.Value("Score2Name"), "Nobody");
        session.Key('N');
        EXPECT_TRUE(session.OnTitle());
        session.Stop();
    }
    PennimarSession restarted(folder.Path());
    ASSERT_TRUE(restarted.Start());
    EXPECT_TRUE(restarted.OnTitle());
    EXPECT_EQ(restarted.Value("Score1Name"), "Robo Farmer");
}

}  // namespace
}  // namespace pennimar::test
