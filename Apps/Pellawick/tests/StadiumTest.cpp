#include "Apps/Pellawick/Stadium.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace pellawick {

class StadiumTestAccess {
public:
    static void MakeHungry(Stadium& s, int customer, int food, int now) {
        Customer& c = s.customers_[static_cast<size_t>(customer)];
        c.wanted = food;
        s.EnterCustomerState(c, 7, now);
    }
    static void PlaceSeller(Stadium& s, int step) { s.PlaceSeller(step); }
    static Seller& SellerOf(Stadium& s) { return s.seller_; }
    static int IndexAt(const Stadium& s, int row, int seat) {
        return s.seats_[static_cast<size_t>(row)][static_cast<size_t>(seat)];
    }
};

namespace {

using Access = StadiumTestAccess;

// Nobody gets hungry by chance, nobody stands up by chance.
LevelValues Calm(int foodTypes, int toServe = 9) {
    return {5, 9000, 20.0f, 2.0f, foodTypes, toServe, INT_MAX / 2, INT_MAX / 2, 0, 0, 0, 0.0f};
}

RandomSource Ones() {
    return [] { return 1; };
}

constexpr int kTick = 20;

// Ticks from `now` until the world reports or `until` passes; `now` ends at the report.
Report RunUntil(Stadium& s, int& now, int until) {
    for (; now <= until; now += kTick) {
        if (const Report r = s.Update(now); r != Report::None) return r;
    }
    return Report::None;
}

TEST(Flight, TimeGrowsWithDistanceAndTheArcPeaksAtMidFlight) {
    const Flight flight({100, 200}, {272, 200}, 2.0f, 20.0f, 1000);
    EXPECT_EQ(flight.Duration(), 1000) << "172 pixels at factor 2.0 fly one second";
    EXPECT_NEAR(flight.At(1500).y, 200 - 20 - 2, 0.01);
    EXPECT_NEAR(flight.At(1500).x, 186 - 2, 0.01);
    EXPECT_FALSE(flight.Arrived(1999));
    EXPECT_TRUE(flight.Arrived(2000));
    EXPECT_EQ(Flight({5, 5}, {5, 90}, 2.0f, 20.0f, 0).Duration(), 0) << "straight down arrives at once";
}

TEST(StadiumLayoutTest, StepsAndSeats) {
    const StadiumLayout small = MakeLayout(false);
    const int steps[] = {355, 295, 235, 175, 115};
    for (int s = 0; s < kAisleSteps; ++s) EXPECT_EQ(SellerY(small, s), steps[s]) << s;
    EXPECT_EQ(small.rows.size(), 4u);
    EXPECT_EQ(MakeLayout(true).rows.size(), 8u);
    for (const RowPlace& row : MakeLayout(true).rows) EXPECT_EQ(row.seats, 4);
}

TEST(CustomerLookTest, LegsFitTheLookAndSixIsWornOnce) {
    const bool accepted[kLookCount][kLegCount] = {
        {false, true, true, false, false, false, false, true, true},
        {true, true, true, true, true, true, true, false, false},
        {true, true, true, true, false, true, false, false, false},
        {true, true, true, true, false, true, false, false, false},
    };
    for (int look = 0; look < kLookCount; ++look)
        for (int leg = 0; leg < kLegCount; ++leg) EXPECT_EQ(LegChooser::Fits(look, leg), accepted[look][leg]);
    int next = 6;
    const RandomSource sixThenFive = [&next] { return next == 6 ? next-- : 5; };
    LegChooser legs;
    EXPECT_EQ(legs.Choose(1, sixThenFive), 6);
    next = 6;
    EXPECT_EQ(legs.Choose(1, sixThenFive), 5);
}

class StadiumPlay : public ::testing::Test {
protected:
    void Start(League league, const LevelValues& values, League before = League::Little) {
        stadium = std::make_unique<Stadium>(league, before, rand);
        stadium->NewGame();
        stadium->StartInning(1, values, now);
    }
    const Customer& At(int index) const { return stadium->Customers()[static_cast<size_t>(index)]; }

    RandomSource rand = Ones();
    std::unique_ptr<Stadium> stadium;
    int now = 0;
};

TEST_F(StadiumPlay, FoodForSomeoneWhoWantsNothingIsAStrike) {
    Start(League::Little, Calm(1));
    ASSERT_TRUE(stadium->Throw(Side::Left, now));
    EXPECT_EQ(RunUntil(*stadium, now, 20000), Report::Strike);
    EXPECT_EQ(stadium->GetStrikeReason(), StrikeReason::WantedNothing);
    EXPECT_EQ(stadium->GetSeller().spareLives, 1);
    EXPECT_EQ(stadium->GetSeller().stock[0], 9);
}

TEST_F(StadiumPlay, WrongFoodGoesToTheOtherWaitingCustomerAndIsAStrike) {
    Start(League::Minor, Calm(2));
    const int wantsCola = Access::IndexAt(*stadium, 0, 2);
    Access::MakeHungry(*stadium, wantsCola, 1, now);
    ASSERT_TRUE(stadium->Throw(Side::Left, now));
    now += kTick;
    RunUntil(*stadium, now, 400);
    EXPECT_EQ(At(wantsCola).state, 4) << "the popcorn was aimed at the customer who wants cola";
    EXPECT_EQ(RunUntil(*stadium, now, 20000), Report::Strike);
    EXPECT_EQ(stadium->GetStrikeReason(), StrikeReason::WrongFood);
}

TEST_F(StadiumPlay, WaitingTooLongGivesUpAtSevenSixthsOfThePatience) {
    Start(League::Little, Calm(1));
    const int index = Access::IndexAt(*stadium, 2, 0);
    Access::MakeHungry(*stadium, index, 0, now);
    EXPECT_EQ(stadium->BubbleOf(At(index), now), 0);
    EXPECT_EQ(stadium->BubbleOf(At(index), 9000), 6);
    RunUntil(*stadium, now, 10480);
    EXPECT_EQ(At(index).state, 7);
    RunUntil(*stadium, now, 10500);
    EXPECT_EQ(At(index).state, 8) << "9000 * 7 / 6 = 10500 ms";
    EXPECT_EQ(RunUntil(*stadium, now, 30000), Report::Strike);
    EXPECT_EQ(stadium->GetStrikeReason(), StrikeReason::TooSlow);
}

TEST_F(StadiumPlay, ServedCustomersPayAndMoneyMissedLiesOnItsStep) {
    Start(League::Little, Calm(1));
    // The seat a throw with nobody waiting lands on.
    const int index = Access::IndexAt(*stadium, 0, 1);
    Access::MakeHungry(*stadium, index, 0, now);
    stadium->Throw(Side::Left, now);
    // The money is in the air once the customer settles; walk away from its step.
    while (stadium->Flying().empty() || stadium->Flying().front().kind != ItemKind::Money) {
        ASSERT_EQ(stadium->Update(now += kTick), Report::None);
        ASSERT_LT(now, 10000);
    }
    EXPECT_EQ(stadium->Served(), 1);
    stadium->MoveDown(now);
    while (stadium->Lying().empty()) {
        ASSERT_EQ(stadium->Update(now += kTick), Report::None);
        ASSERT_LT(now, 10000);
    }
    EXPECT_EQ(stadium->Lying().front().step, 4);
    EXPECT_EQ(stadium->GetSeller().score, 0);
    now += 600;
    stadium->Update(now);
    stadium->MoveUp(now);
    EXPECT_EQ(stadium->GetSeller().score, 100) << "picked up inside its 1000 ms";
    EXPECT_TRUE(stadium->Lying().empty());

    RunUntil(*stadium, now, now + 600);
    ASSERT_TRUE(stadium->Throw(Side::Left, now));
    EXPECT_EQ(RunUntil(*stadium, now, 30000), Report::Strike)
        << "a second throw to the same customer once served is not a second sale";
    EXPECT_EQ(stadium->GetStrikeReason(), StrikeReason::WantedNothing);
}

TEST_F(StadiumPlay, TheLastServeWinsTheInningAndNothingInTheAirCostsALife) {
    Start(League::Little, Calm(1, 1));
    const int served = Access::IndexAt(*stadium, 0, 0);
    const int late = Access::IndexAt(*stadium, 1, 0);
    Access::MakeHungry(*stadium, served, 0, now);
    // It gives up after the sale has landed, and its ball lands after the win.
    Access::MakeHungry(*stadium, late, 0, 3000 - 10500);
    stadium->Throw(Side::Left, now);
    EXPECT_EQ(RunUntil(*stadium, now, 30000), Report::InningWon);
    EXPECT_EQ(stadium->GetSeller().score, 100);
    EXPECT_EQ(stadium->GetSeller().spareLives, 2) << "the ball of the customer who gave up came after the win";
    EXPECT_EQ(stadium->LastMessage(), BoardMessage::InningWon);
}

TEST_F(StadiumPlay, RestockingTakesTheLowestStockFirstUpToTen) {
    Start(League::Major, Calm(3));
    Access::PlaceSeller(*stadium, 1);
    Access::SellerOf(*stadium).stock = {7, 7, 9};
    stadium->MoveDown(now);
    ASSERT_EQ(stadium->GetSeller().state, SellerState::Refuelling);
    const int start = now;
    RunUntil(*stadium, now, start + 200);
    EXPECT_EQ(stadium->GetSeller().stock, (std::array<int, 3>{7, 7, 9}));
    RunUntil(*stadium, now, start + 220);
    EXPECT_EQ(stadium->GetSeller().stock, (std::array<int, 3>{8, 7, 9})) << "the first of equals";
    RunUntil(*stadium, now, start + 440);
    EXPECT_EQ(stadium->GetSeller().stock, (std::array<int, 3>{8, 8, 9}));
    RunUntil(*stadium, now, start + 3000);
    EXPECT_EQ(stadium->GetSeller().stock, (std::array<int, 3>{10, 10, 10}));
}

TEST_F(StadiumPlay, AWaveCancelsWishesAndStandsCustomersAsItPasses) {
    Start(League::Minor, Calm(2));
    const int near = Access::IndexAt(*stadium, 0, 0);
    const int far = Access::IndexAt(*stadium, 1, 3);
    Access::MakeHungry(*stadium, far, 1, now);
    ASSERT_TRUE(stadium->StartWave(now));
    EXPECT_FALSE(stadium->StartWave(now)) << "one wave at a time";
    RunUntil(*stadium, now, 1000);
    EXPECT_EQ(At(far).wanted, kWantsNothing);
    EXPECT_EQ(At(far).state, 7) << "still waiting with no wish until the front reaches it";
    EXPECT_EQ(At(near).state, 2) << "the front passed it by more than 40 pixels";
    RunUntil(*stadium, now, 5200);
    EXPECT_EQ(At(far).state, 2);
    EXPECT_FALSE(stadium->WaveRunning());
    EXPECT_EQ(stadium->GetSeller().wavesLeft, 2);
}

TEST_F(StadiumPlay, TheScoreGivesALifeEveryTenThousandPoints) {
    Start(League::Little, Calm(1));
    int lives = stadium->GetSeller().spareLives;
    for (int bill = 1; bill <= 200; ++bill) {
        Access::PlaceSeller(*stadium, 4);
        const int index = Access::IndexAt(*stadium, 0, bill % 8);
        Access::MakeHungry(*stadium, index, 0, now);
        stadium->SelectFood(0);
        stadium->Throw(Side::Left, now);
        while (stadium->GetSeller().score < bill * 100 && now < 1000000) stadium->Update(now += kTick);
        if (bill % 8 == 0) stadium->StartInning(1, Calm(1, 1000), now);
        if (bill == 99) lives = stadium->GetSeller().spareLives;
    }
    EXPECT_EQ(stadium->GetSeller().score, 20000);
    EXPECT_EQ(stadium->GetSeller().spareLives, lives + 2) << "one life at 10,000 and one at 20,000";
}

TEST_F(StadiumPlay, BonusLevelCatchesMoneyAndEndsAtTheFirstFoulBall) {
    int draw = 0;
    // Every customer throws; foul balls come when the odds draw 0.
    rand = [&draw] { return draw++ % 2 == 0 ? 0 : 7; };
    Start(League::Bonus, Calm(1), League::Little);
    EXPECT_FALSE(stadium->Throw(Side::Left, now));
    for (int i = 0; i < 6; ++i) stadium->MoveDown(now);
    EXPECT_EQ(stadium->GetSeller().step, 1);
    const Report report = RunUntil(*stadium, now, 60000);
    EXPECT_EQ(report, Report::BonusOver);
    EXPECT_EQ(stadium->Hungry(), 0);
    EXPECT_EQ(stadium->GetSeller().spareLives, 2);
}

TEST_F(StadiumPlay, TheLastLifeEndsInTheCrowdsFoodAndGameOver) {
    Start(League::Little, Calm(1));
    for (int strike = 0; strike < 3; ++strike) {
        stadium->StartInning(1, Calm(1), now);
        stadium->Throw(Side::Left, now);
        const Report r = RunUntil(*stadium, now, now + 30000);
        EXPECT_EQ(r, strike < 2 ? Report::Strike : Report::GameOver) << strike;
    }
    EXPECT_EQ(stadium->GetSeller().LivesShown(), 0);
    EXPECT_EQ(stadium->GetSeller().state, SellerState::GameOver);
}

}  // namespace
}  // namespace pellawick
