#include "Apps/Tallimo/PlayRound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace tallimo {
namespace {

// Plays a level-1 truck to its departure, pressing `key` every second in every state, and reports
// the states passed through, the round's news, the drops' included, and the money after each tick
// that checked a cell.
struct Played {
    std::vector<PlayState> states;
    std::vector<RoundEvent> events;
    int landed = 0;
    int checked = 0;
    int matched = 0;
    std::vector<int> moneyAfterCells;
};

Played Play(GameProgress& progress, RandomSource rand, PlayKey key) {
    Played played;
    PlayRound round(progress, true, 1, std::move(rand), 0);
    for (int64_t now = 0; now < 600000; now += 20) {
        if (played.states.empty() || played.states.back() != round.State()) played.states.push_back(round.State());
        std::vector<RoundNews> news = round.Tick(now);
        if (now % 1000 == 0) std::ranges::copy(round.Key(key, now), std::back_inserter(news));
        for (const RoundNews& one : news) {
            if (one.event == RoundEvent::BallLanded) ++played.landed;
            else if (one.event == RoundEvent::CellChecked) {
                ++played.checked;
                played.matched += one.verdict.matched ? 1 : 0;
                played.moneyAfterCells.push_back(progress.Money());
            }
            else played.events.push_back(one.event);
            if (one.event == RoundEvent::Gone) return played;
        }
    }
    return played;
}

TEST(TallimoPlayRound, APerfectTruckRunsEveryStateAndPays) {
    GameProgress progress;
    const Played played = Play(progress, [] { return 0; }, PlayKey::Drop);
    using S = PlayState;
    EXPECT_EQ(played.states, (std::vector<S>{S::Starting, S::Intro, S::Waiting, S::Running, S::Checking, S::Perfect, S::Passed}));
    EXPECT_EQ(played.events, (std::vector<RoundEvent>{RoundEvent::EnoughBalls, RoundEvent::Perfect, RoundEvent::Gone}));
    EXPECT_EQ(played.landed, 24);
    EXPECT_EQ(played.checked, 24);
    // The money counts up with each cell: $10 a ball up to the 18 needed, $60 after, and the
    // bonus with the last cell.
    std::vector<int> expected;
    for (int ball = 1; ball <= 24; ++ball) expected.push_back(ball <= 18 ? 10 * ball : 180 + 60 * (ball - 18));
    expected.back() += 100;
    EXPECT_EQ(played.moneyAfterCells, expected);
    EXPECT_EQ(progress.Money(), 18 * 10 + 6 * 60 + 100);
    EXPECT_EQ(progress.Lives(), 4);
}

TEST(TallimoPlayRound, AFailedTruckWaitsForAKeyThenLeaves) {
    GameProgress progress;
    int draws = 0;
    // Columns 0 to 2 want kind 0, columns 3 to 5 kind 1; every ball is of kind 1. Left to fall
    // into column 3 and then its neighbours, they fill columns 3 to 5 first: 12 matches.
    const Played played = Play(progress, [&draws] { return ++draws > 12 ? 1 : 0; }, PlayKey::Other);
    EXPECT_EQ(played.events, (std::vector<RoundEvent>{RoundEvent::Failed, RoundEvent::Gone}));
    EXPECT_EQ(played.states.back(), PlayState::Passed);
    EXPECT_EQ(played.matched, 12);
    EXPECT_EQ(progress.Lives(), 2);
    EXPECT_EQ(progress.Money(), 12 * 10);
}

}  // namespace
}  // namespace tallimo
