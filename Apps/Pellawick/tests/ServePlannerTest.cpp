#include "Apps/Pellawick/ServePlanner.h"

#include <gtest/gtest.h>

#include "Apps/Common/ModuleRandom.h"
#include "Apps/Pellawick/PellawickGame.h"

namespace pellawick {
namespace {

// What the screen shows of the stadium, and nothing more.
SeenStadium See(const Stadium& s, int now) {
    SeenStadium seen;
    const Seller& seller = s.GetSeller();
    seen.sellerStep = seller.step;
    seen.sellerReady = seller.state == SellerState::Standing || seller.state == SellerState::SteppedUp ||
                       seller.state == SellerState::SteppedDown || seller.state == SellerState::Refuelling;
    seen.selected = seller.selected;
    seen.stock = seller.stock;
    seen.foodTypes = s.Values().foodTypes;
    for (const Customer& c : s.Customers()) {
        const int bubble = s.BubbleOf(c, now);
        if (bubble < 0 || c.wanted == kWantsNothing) continue;
        const RowPlace& row = s.Layout().rows[static_cast<size_t>(c.row)];
        seen.wishes.push_back({row.step, row.side, c.wanted, bubble});
    }
    return seen;
}

void Act(PellawickGame& game, Press press, int now) {
    switch (press) {
        case Press::Nothing: return;
        case Press::Up: game.ArrowPressed(Arrow::Up, now); return;
        case Press::Down: game.ArrowPressed(Arrow::Down, now); return;
        case Press::Left: game.ArrowPressed(Arrow::Left, now); return;
        case Press::Right: game.ArrowPressed(Arrow::Right, now); return;
        case Press::SelectPopcorn: game.KeyDown('a', now); return;
        case Press::SelectCola: game.KeyDown('s', now); return;
        case Press::SelectThird: game.KeyDown('d', now); return;
    }
}

// The delivered league values, whatever the text holds.
LevelValues Delivered(int league) {
    const LevelValues values[] = {
        {5, 9000, 20.0f, 2.0f, 1, 9, 900, 2500, 450, 3, 0, 0.0f},
        {7, 8000, 20.0f, 2.0f, 2, 10, 750, 2000, 400, 5, 0, 0.0f},
        {9, 7500, 20.0f, 2.0f, 3, 15, 500, 2250, 300, 6, 0, 0.0f},
    };
    return values[league];
}

// Plays from the league's intro until a panel opens; the panel reached.
Panel PlayInning(PellawickGame& game, ServePlanner& planner, int& now) {
    game.KeyDown(' ', now);
    for (const int end = now + 10 * 60 * 1000; game.GetPanel() == Panel::None && now < end; now += 20) {
        Act(game, planner.Next(See(game.GetStadium(), now)), now);
        game.Tick(now);
    }
    return game.GetPanel();
}

TEST(ServePlannerTest, ServesTheFirstInningOfEachLeagueWithoutAStrike) {
    for (const uint32_t seed : {1u, 7u, 24u, 99u, 2026u}) {
        for (int league = 0; league < 3; ++league) {
            ModuleRandom random;
            random.Seed(seed);
            PellawickGame game([&random] { return random.Next(); }, [league](int) { return Delivered(league); });
            ServePlanner planner;
            int now = 0;
            game.NewGame(now);
            EXPECT_EQ(PlayInning(game, planner, now), Panel::InningWon) << "seed " << seed << " league " << league;
            EXPECT_EQ(game.GetStadium().GetSeller().LivesShown(), 3) << "seed " << seed << " league " << league;
        }
    }
}

TEST(ServePlannerTest, PlaysTheWholeGameToTheWinWithoutAStrike) {
    ModuleRandom random;
    random.Seed(3);
    PellawickGame game([&random] { return random.Next(); }, Delivered);
    ServePlanner planner;
    int now = 0;
    game.NewGame(now);
    int innings = 0;
    for (Panel panel = PlayInning(game, planner, now); panel != Panel::GameWon; panel = PlayInning(game, planner, now)) {
        ASSERT_NE(panel, Panel::Strike) << "league " << static_cast<int>(game.GetLeague()) << " inning " << game.Inning();
        ASSERT_NE(panel, Panel::None);
        if (panel == Panel::InningWon) ++innings;
    }
    EXPECT_EQ(innings, 3 * 8);
    EXPECT_GE(game.GetStadium().GetSeller().score, 3 * 9 * 9 * 100) << "a bill or a winning serve for every sale";
}

TEST(ServePlannerTest, GoesDownToRestockWhenTheWantedSnackIsGone) {
    ServePlanner planner;
    SeenStadium seen;
    seen.sellerStep = 3;
    seen.foodTypes = 2;
    seen.stock = {0, 10, 0};
    seen.wishes = {{3, Side::Right, 0, 5}};
    EXPECT_EQ(planner.Next(seen), Press::Down);
    seen.sellerStep = 0;
    seen.stock = {4, 10, 0};
    EXPECT_EQ(planner.Next(seen), Press::Up) << "an urgent wish with stock in hand goes first";
    seen.wishes = {{2, Side::Left, 1, 0}};
    seen.sellerStep = 2;
    EXPECT_EQ(planner.Next(seen), Press::SelectCola);
}

}  // namespace
}  // namespace pellawick
