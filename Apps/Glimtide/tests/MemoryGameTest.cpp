#include "Apps/Glimtide/MemoryGame.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

namespace {

using namespace glimtide;

using Outcome = CMemoryGame::ClickOutcome;

std::function<int()> Seeded(uint32_t seed) {
    auto engine = std::make_shared<std::mt19937>(seed);
    return [engine] { return static_cast<int>((*engine)() % 32768); };
}

TEST(MemoryGameChoices, EachLevelOffersDistinctIcons) {
    for (uint32_t seed = 0; seed < 300; ++seed) {
        const auto rand = Seeded(seed);
        const auto easy = PickChoices(Level::Easy, rand);
        const auto medium = PickChoices(Level::Medium, rand);
        const auto hard = PickChoices(Level::Hard, rand);
        ASSERT_EQ(easy.size(), 4u);
        ASSERT_EQ(medium.size(), 6u);
        ASSERT_EQ(hard.size(), 8u);
        EXPECT_TRUE(PickChoices(Level::Show, rand).empty());

        std::set<int> colours;
        for (const Choice& c : easy) {
            EXPECT_EQ(c.kind, RocketKind::Ordinary);
            colours.insert(c.colour.r << 16 | c.colour.g << 8 | c.colour.b);
        }
        EXPECT_EQ(colours.size(), 4u);

        colours.clear();
        for (size_t i = 0; i < medium.size(); ++i) {
            EXPECT_EQ(medium[i].kind, i >= 4 ? RocketKind::SubRockets : RocketKind::Ordinary);
            colours.insert(medium[i].colour.r << 16 | medium[i].colour.g << 8 | medium[i].colour.b);
        }
        EXPECT_EQ(colours.size(), 6u);

        std::set<std::pair<int, int>> pairs;
        for (size_t i = 0; i < hard.size(); ++i) {
            EXPECT_EQ(hard[i].kind, i % 2 == 1 ? RocketKind::SubRockets : RocketKind::Ordinary);
            pairs.insert({hard[i].colour.r << 16 | hard[i].colour.g << 8 | hard[i].colour.b, static_cast<int>(hard[i].kind)});
        }
        EXPECT_EQ(pairs.size(), 8u);
    }
    EXPECT_EQ(LevelPalette(Level::Easy).size(), 6u);
    EXPECT_EQ(LevelPalette(Level::Show).size(), 7u);
    EXPECT_EQ(LevelPalette(Level::Show).back(), (Rgb{255, 128, 0}));
}

// A game whose clock the test moves in 50 ms ticks.
struct Game {
    explicit Game(Level level = Level::Easy, uint32_t seed = 1)
        : game(level, PickChoices(level, Seeded(seed)), Seeded(seed + 100)) {}

    // Ticks until the player's turn comes; returns the choices launched.
    std::vector<int> WatchShow(int litPoints = 0) {
        std::vector<int> launched;
        for (int guard = 0; guard < 100000; ++guard) {
            now += 50;
            const auto events = game.Tick(now, litPoints);
            if (events.launch >= 0) launched.push_back(events.launch);
            if (events.yourTurn) return launched;
        }
        ADD_FAILURE() << "the show never ended";
        return launched;
    }
    int Wrong(int position) const { return (game.SequenceAt(position) + 1) % static_cast<int>(game.Choices().size()); }

    CMemoryGame game;
    int now = 0;
};

TEST(MemoryGameRules, AShowLaunchesTheSequenceThenThePlayerRepeatsIt) {
    Game g;
    g.game.StartShow();
    // Clicks while the show runs change nothing.
    EXPECT_EQ(g.game.Click(0), Outcome::Ignored);
    const std::vector<int> first = g.WatchShow();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0], g.game.SequenceAt(0));
    EXPECT_EQ(g.game.Click(first[0]), Outcome::StageWon);
    EXPECT_EQ(g.game.Click(first[0]), Outcome::Ignored);

    // The next stage waits for 6500 ms and for the sky to go nearly dark; the cheer comes at 3500.
    const int wonAt = g.now;
    bool cheered = false, started = false;
    while (g.now < wonAt + 20000 && !started) {
        g.now += 50;
        const int lit = g.now < wonAt + 9000 ? 800 : 100;
        const auto events = g.game.Tick(g.now, lit);
        if (events.cheer) {
            EXPECT_GE(g.now, wonAt + 3500);
            EXPECT_LT(g.now, wonAt + 3550);
            cheered = true;
        }
        started = events.showStarted;
    }
    EXPECT_TRUE(cheered);
    EXPECT_TRUE(started);
    EXPECT_GE(g.now, wonAt + 9000);
    EXPECT_EQ(g.game.Fireworks(), 2);

    const std::vector<int> second = g.WatchShow();
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0], first[0]);
    EXPECT_EQ(g.game.Click(second[0]), Outcome::Correct);
    EXPECT_EQ(g.game.Click(second[1]), Outcome::StageWon);
}

TEST(MemoryGameRules, LaunchesComeEveryHalfSecondAfterTheGapAndTheTurnThreeSecondsLater) {
    Game g(Level::Medium, 4);
    g.game.StartShow();
    std::vector<int> launchTimes;
    int turnAt = 0;
    // Push the game to a five-rocket stage by repeating each show.
    for (int stage = 1; stage <= 5; ++stage) {
        launchTimes.clear();
        for (;;) {
            g.now += 50;
            const auto events = g.game.Tick(g.now, 0);
            if (events.launch >= 0) launchTimes.push_back(g.now);
            if (events.yourTurn) {
                turnAt = g.now;
                break;
            }
        }
        if (stage == 5) break;
        for (int i = 0; i < g.game.Fireworks(); ++i) g.game.Click(g.game.SequenceAt(i));
    }
    ASSERT_EQ(launchTimes.size(), 5u);
    for (size_t i = 1; i < launchTimes.size(); ++i) EXPECT_EQ(launchTimes[i] - launchTimes[i - 1], 1500);
    EXPECT_EQ(turnAt - launchTimes.back(), 3000);
}

TEST(MemoryGameRules, ThreeMistakesEndTheGameWithTheSequenceLengthAsScore) {
    Game g;
    g.game.StartShow();
    g.WatchShow();
    EXPECT_EQ(g.game.Click(g.Wrong(0)), Outcome::Mistake);
    EXPECT_EQ(g.game.Tries(), 2);
    // After a mistake the same sequence is shown again from its start.
    g.game.StartShow();
    EXPECT_EQ(g.WatchShow(), std::vector<int>{g.game.SequenceAt(0)});
    EXPECT_EQ(g.game.Click(g.Wrong(0)), Outcome::Mistake);
    g.game.StartShow();
    g.WatchShow();
    EXPECT_EQ(g.game.Click(g.Wrong(0)), Outcome::GameOver);
    EXPECT_EQ(g.game.Fireworks(), 1);
    EXPECT_EQ(g.game.Click(g.game.SequenceAt(0)), Outcome::Ignored);
    EXPECT_FALSE(g.game.ShowAgain());
}

TEST(MemoryGameRules, ReplaysOnlyBeforeTheFirstIconOfATurn) {
    Game g;
    g.game.StartShow();
    EXPECT_FALSE(g.game.ShowAgain());  // the show is running
    g.WatchShow();
    for (int replay = 3; replay > 0; --replay) {
        EXPECT_TRUE(g.game.ShowAgain());
        EXPECT_EQ(g.game.Replays(), replay - 1);
        g.WatchShow();
    }
    EXPECT_FALSE(g.game.ShowAgain());

    Game partial(Level::Easy, 9);
    partial.game.StartShow();
    partial.WatchShow();
    partial.game.Click(partial.game.SequenceAt(0));
    partial.WatchShow();  // the next stage, two rockets
    EXPECT_EQ(partial.game.Click(partial.game.SequenceAt(0)), Outcome::Correct);
    // Half repeated: a replay would show nothing, so none is used.
    EXPECT_FALSE(partial.game.ShowAgain());
    EXPECT_EQ(partial.game.Replays(), 3);
}

TEST(MemoryGameRules, OutOfRangeClicksAndTheShowModeAreIgnored) {
    Game g;
    g.game.StartShow();
    g.WatchShow();
    EXPECT_EQ(g.game.Click(-1), Outcome::Ignored);
    EXPECT_EQ(g.game.Click(4), Outcome::Ignored);
    EXPECT_EQ(g.game.Tries(), 3);

    CMemoryGame show(Level::Show, {}, Seeded(3));
    show.StartShow();
    EXPECT_EQ(show.Click(0), Outcome::Ignored);
    EXPECT_FALSE(show.ShowAgain());
}

TEST(MemoryGameRules, TheWholeSequenceRepeatedEndsTheGame) {
    Game g(Level::Easy, 2);
    g.game.StartShow();
    Outcome last = Outcome::Ignored;
    for (int stage = 1; stage <= CMemoryGame::kSequenceLength; ++stage) {
        g.WatchShow();
        for (int i = 0; i < g.game.Fireworks(); ++i) last = g.game.Click(g.game.SequenceAt(i));
        if (last != Outcome::StageWon) break;
        // Straight on to the next stage.
        while (!g.game.Tick(g.now += 50, 0).showStarted) {
        }
    }
    EXPECT_EQ(last, Outcome::AllRepeated);
    EXPECT_EQ(g.game.Fireworks(), CMemoryGame::kSequenceLength);
    EXPECT_EQ(g.game.Click(0), Outcome::Ignored);
}

}  // namespace
