#include "Apps/Pellawick/PellawickGame.h"

#include <gtest/gtest.h>

#include <climits>

#include "Apps/Common/ModuleRandom.h"

namespace pellawick {
namespace {

constexpr int kTick = 20;

LevelValues Calm(int league) {
    LevelValues v = BuiltInLevels(league);
    v.minTimeBetweenCustomers = v.maxTimeBetweenCustomers = INT_MAX / 2;
    return v;
}

class GameFlow : public ::testing::Test {
protected:
    void Press(char key) { game.KeyDown(key, now); }
    void TickUntilPanel(int limit = 60000) {
        for (const int end = now + limit; game.GetPanel() == Panel::None && now < end;) game.Tick(now += kTick);
    }

    RandomSource rand = [] { return 1; };
    PellawickGame game{rand, Calm};
    int now = 0;
};

TEST_F(GameFlow, PWalksThroughEveryLeagueAndTheBonusLevelsToTheWin) {
    game.NewGame(now);
    EXPECT_EQ(game.GetPanel(), Panel::LeagueIntro);
    const struct {
        League league;
        int foodTypes;
    } leagues[] = {{League::Little, 1}, {League::Minor, 2}, {League::Major, 3}};
    for (const auto& [league, foodTypes] : leagues) {
        ASSERT_EQ(game.GetLeague(), league);
        Press(' ');
        for (int inning = 1; inning <= 9; ++inning) {
            ASSERT_EQ(game.GetPanel(), Panel::None);
            EXPECT_EQ(game.GetStadium().Inning(), inning);
            EXPECT_EQ(game.GetStadium().Values().foodTypes, foodTypes);
            Press('p');
            if (inning < 9) {
                ASSERT_EQ(game.GetPanel(), Panel::InningWon);
                Press(' ');
            }
        }
        if (league == League::Major) break;
        ASSERT_EQ(game.GetPanel(), Panel::BonusIntro);
        Press(' ');
        EXPECT_TRUE(game.GetStadium().IsBonus());
        EXPECT_EQ(game.GetStadium().Layout().big, league != League::Little);
        Press('P');
        ASSERT_EQ(game.GetPanel(), Panel::Promoted);
        EXPECT_EQ(game.PromotedFrom(), league);
        Press(' ');
        ASSERT_EQ(game.GetPanel(), Panel::LeagueIntro);
    }
    EXPECT_EQ(game.GetPanel(), Panel::GameWon);
    Press(' ');
    EXPECT_TRUE(game.TitleRequested());
}

TEST_F(GameFlow, InningsTakeTheirChangesFromTheLeaguesFirstValues) {
    PellawickGame delivered{rand, [](int) { return LevelValues{5, 9000, 20.0f, 2.0f, 1, 9, 900, 2500, 450, 3, 0, 0}; }};
    delivered.NewGame(0);
    delivered.KeyDown(' ', 0);
    for (int inning = 1; inning < 4; ++inning) {
        delivered.KeyDown('p', 0);
        delivered.KeyDown(' ', 0);
    }
    EXPECT_EQ(delivered.GetStadium().Values().totalPatience, 7650);
    EXPECT_EQ(delivered.GetStadium().Values().customersToServe, 18);
}

TEST_F(GameFlow, ThreeStrikesEndTheGameAndTheKeysOfItsPanel) {
    game.NewGame(now);
    Press(' ');
    for (int strike = 1; strike <= 3; ++strike) {
        game.ArrowPressed(Arrow::Left, now);
        TickUntilPanel();
        if (strike < 3) {
            ASSERT_EQ(game.GetPanel(), Panel::Strike) << strike;
            EXPECT_EQ(game.GetStadium().GetSeller().LivesShown(), 3 - strike);
            Press(' ');
        }
    }
    ASSERT_EQ(game.GetPanel(), Panel::GameOver);
    EXPECT_EQ(game.GetStadium().LastMessage(), BoardMessage::GameOver);
    EXPECT_TRUE(game.TakeHighScoreEntry());
    EXPECT_FALSE(game.TakeHighScoreEntry()) << "offered once";
    Press('p');
    Press(' ');
    EXPECT_EQ(game.GetPanel(), Panel::GameOver) << "only N, Y, T and Q act here";
    Press('t');
    EXPECT_EQ(game.GetPanel(), Panel::LeagueIntro);
    EXPECT_EQ(game.GetStadium().GetSeller().LivesShown(), 3);
    EXPECT_FALSE(game.TitleRequested());
}

TEST_F(GameFlow, ScoreAndLivesGoOnIntoTheNextLeague) {
    game.NewGame(now);
    Press(' ');
    game.ArrowPressed(Arrow::Left, now);
    TickUntilPanel();
    ASSERT_EQ(game.GetPanel(), Panel::Strike);
    Press(' ');
    for (int inning = 1; inning <= 9; ++inning) {
        Press('p');
        Press(' ');
    }
    Press('p');
    Press(' ');
    EXPECT_EQ(game.GetLeague(), League::Minor);
    EXPECT_EQ(game.GetStadium().GetSeller().LivesShown(), 2);
}

TEST(ArrowRepeatTest, ActsOnPressThenEveryTwoHundredMilliseconds) {
    ArrowRepeat arrows;
    const ArrowRepeat::Keys up{true, false, false, false}, none{};
    int acted = 0;
    for (int now = 0; now <= 1000; now += kTick) acted += arrows.Poll(up, now)[0] ? 1 : 0;
    EXPECT_EQ(acted, 6) << "at 0, 200, 400, 600, 800 and 1000";
    arrows.Poll(none, 1020);
    EXPECT_TRUE(arrows.Poll(up, 1040)[0]) << "a new press acts at once";
}

// Thirty minutes of random keys: the world's books stay straight throughout.
TEST(PellawickSoak, RandomKeysForHalfAnHour) {
    ModuleRandom random;
    random.Seed(24);
    const RandomSource rand = [&random] { return random.Next(); };
    ModuleRandom keys;
    keys.Seed(7);
    PellawickGame game(rand);
    game.NewGame(0);
    constexpr const char kKeys[] = " pasdnt";
    for (int now = 0; now < 30 * 60 * 1000; now += kTick) {
        const int roll = keys.Next() % 100;
        if (roll < 8) game.ArrowPressed(static_cast<Arrow>(roll % 4), now);
        else if (roll == 8) game.KeyDown(kKeys[keys.Next() % 7], now);
        else if (game.GetPanel() != Panel::None && roll < 12) game.KeyDown(' ', now);
        game.Tick(now);
        const Stadium& s = game.GetStadium();
        ASSERT_GE(s.Hungry(), 0);
        ASSERT_GE(s.GetSeller().step, 0);
        ASSERT_LT(s.GetSeller().step, kAisleSteps);
        for (const int stock : s.GetSeller().stock) ASSERT_TRUE(stock >= 0 && stock <= kStockFull);
        if (game.GetPanel() != Panel::None) {
            ASSERT_TRUE(s.Flying().empty());
            ASSERT_TRUE(s.Lying().empty());
        }
    }
}

}  // namespace
}  // namespace pellawick
