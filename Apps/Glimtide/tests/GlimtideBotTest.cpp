// The bot plays the game through the shell on the headless backend, looking only at the screen,
// and its best survives a restart of the whole shell.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "Apps/Glimtide/tests/GlimtideBot.h"

namespace glimtide::test {
namespace {

// Each level's icons as the screen shows them: Easy four plain bursts, Medium six colours of
// which the last two burst into rockets, Hard every colour-and-kind pair once with every second
// icon bursting into rockets.
TEST(GlimtideBot, TellsTheIconsOfEveryLevelApart) {
    GlimtideSession session;
    struct Level {
        void (GlimtideView::*choose)();
        size_t icons;
    };
    for (const Level level : {Level{&GlimtideView::ChooseEasy, 4}, Level{&GlimtideView::ChooseMedium, 6},
                              Level{&GlimtideView::ChooseHard, 8}}) {
        for (int game = 0; game < 3; ++game) {
            ASSERT_TRUE(session.Start());
            (session.*level.choose)();
            GlimtideBot bot(session);
            bot.ReadIcons();
            const std::vector<IconSeen>& icons = bot.Icons();
            ASSERT_EQ(icons.size(), level.icons);
            std::set<std::pair<Hue, bool>> pairs;
            std::set<Hue> hues;
            for (size_t i = 0; i < icons.size(); ++i) {
                ASSERT_NE(icons[i].hue, Hue::None);
                const bool intoRockets = level.icons == 8 ? i % 2 == 1 : level.icons == 6 && i >= 4;
                EXPECT_EQ(icons[i].burstsIntoRockets, intoRockets) << "icon " << i << " of " << level.icons;
                pairs.insert({icons[i].hue, icons[i].burstsIntoRockets});
                hues.insert(icons[i].hue);
            }
            EXPECT_EQ(pairs.size(), level.icons);
            if (level.icons < 8) {
                EXPECT_EQ(hues.size(), level.icons);
            }
            session.Stop();
            session.Wait(1000);  // another seed for the next start
        }
    }
}

TEST(GlimtideBot, RepeatsShowsToANewBestThatARestartStillShows) {
    StoreTestFolder folder;
    std::vector<uint32_t> defaultRow, bestRow;
    {
        GlimtideSession session(folder.Path());
        ASSERT_TRUE(session.Start());
        ASSERT_TRUE(session.OnTitle());
        defaultRow = session.EasyBestRow();
        session.ChooseEasy();
        GlimtideBot bot(session);
        ASSERT_TRUE(bot.PlayUntil(7));
        EXPECT_EQ(bot.Mistakes(), 0);
        ASSERT_EQ(bot.Icons().size(), 4u);
        session.Harness().QueueInput("Robo Rocket");
        bot.LoseOnPurpose();
        ASSERT_TRUE(session.PanelUp());
        EXPECT_EQ(session.Value("Score1Name"), "Robo Rocket");
        EXPECT_EQ(session.Value("Score1Score"), "7");
        session.Key('N');
        ASSERT_TRUE(session.OnTitle());
        bestRow = session.EasyBestRow();
        EXPECT_NE(bestRow, defaultRow);
        session.Stop();
    }
    GlimtideSession restarted(folder.Path());
    ASSERT_TRUE(restarted.Start());
    ASSERT_TRUE(restarted.OnTitle());
    EXPECT_EQ(restarted.EasyBestRow(), bestRow);
    EXPECT_EQ(restarted.Value("Score1Score"), "7");
}

// On Hard a colour comes twice, once bursting into rockets: the bot tells them apart by the
// small bursts that follow, and repeats the longer shows without a mistake.
TEST(GlimtideBot, FollowsHardShowsWhereAColourComesTwice) {
    GlimtideSession session;
    ASSERT_TRUE(session.Start());
    session.ChooseHard();
    GlimtideBot bot(session);
    EXPECT_TRUE(bot.PlayUntil(6));
    EXPECT_EQ(bot.Mistakes(), 0);
}

// The end of a game below the best asks "Do you want to play again?" with two buttons: No goes
// to the title screen, Yes deals the level again.
TEST(GlimtideBot, AnswersTheEndOfTheGameWithTheMouse) {
    GlimtideSession session;
    ASSERT_TRUE(session.Start());
    for (const bool again : {false, true}) {
        session.ChooseEasy();
        GlimtideBot bot(session);
        ASSERT_TRUE(bot.PlayUntil(1));
        bot.LoseOnPurpose();
        ASSERT_TRUE(session.PanelUp());
        if (again) {
            session.Yes();
            EXPECT_TRUE(session.OnPlay());
            EXPECT_TRUE(session.PanelUp()) << "the level's welcome";
        } else {
            session.No();
            EXPECT_TRUE(session.OnTitle());
        }
    }
}

}  // namespace
}  // namespace glimtide::test
