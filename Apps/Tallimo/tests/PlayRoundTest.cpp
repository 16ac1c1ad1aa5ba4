#include "Apps/Tallimo/PlayRound.h"

#include <gtest/gtest.h>

namespace tallimo {
namespace {

// Plays a level-1 truck to its departure, pressing a key in every state, and reports the states
// passed through and the round's news.
struct Played {
    std::vector<PlayState> states;
    std::vector<RoundEvent> events;
    int landed = 0;
    int checked = 0;
};

Played Play(GameProgress& progress, RandomSource rand) {
    Played played;
    PlayRound round(progress, true, 1, std::move(rand), 0);
    for (int64_t now = 0; now < 600000; now += 20) {
        if (played.states.empty() || played.states.back() != round.State()) played.states.push_back(round.State());
        for (const RoundNews& news : round.Tick(now)) {
            if (news.event == RoundEvent::BallLanded) ++played.landed;
            else if (news.event == RoundEvent::CellChecked) ++played.checked;
            else played.events.push_back(news.event);
            if (news.event == RoundEvent::Gone) return played;
        }
        if (now % 1000 == 0) round.Key(PlayKey::Other, now);
    }
    return played;
}

TEST(TallimoPlayRound, APerfectTruckRunsEveryStateAndPays) {
    GameProgress progress;
    const Played played = Play(progress, [] { return 0; });
    using S = PlayState;
    EXPECT_EQ(played.states, (std::vector<S>{S::Starting, S::Intro, S::Waiting, S::Running, S::Checking, S::Perfect, S::Passed}));
    EXPECT_EQ(played.events, (std::vector<RoundEvent>{RoundEvent::EnoughBalls, RoundEvent::Perfect, RoundEvent::Gone}));
    EXPECT_EQ(played.landed, 24);
    EXPECT_EQ(played.checked, 24);
    EXPECT_EQ(progress.Money(), 18 * 10 + 6 * 60 + 100);
    EXPECT_EQ(progress.Lives(), 4);
}

TEST(TallimoPlayRound, AFailedTruckWaitsForAKeyThenLeaves) {
    GameProgress progress;
    int draws = 0;
    // The pattern's 24 draws give kind 0, every ball after them kind 1.
    const Played played = Play(progress, [&draws] { return draws++ < 24 ? 0 : 1; });
    EXPECT_EQ(played.events, (std::vector<RoundEvent>{RoundEvent::Failed, RoundEvent::Gone}));
    EXPECT_EQ(played.states.back(), PlayState::Passed);
    EXPECT_EQ(progress.Lives(), 2);
    EXPECT_EQ(progress.Money(), 0);
}

}  // namespace
}  // namespace tallimo
