#include "Apps/Vintrel/PondGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Apps/Common/ModuleRandom.h"

namespace vintrel {
namespace {

// With every draw 125, every blob starts at (337, 295) and drifts down and right along the
// player's diagonal, out after 725 ms: the first two of a new game are of size 2, the others of size 1.
int Always125() { return 125; }

bool Has(const std::vector<PondNews>& news, PondNews item) {
    return std::find(news.begin(), news.end(), item) != news.end();
}

const HeldArrows kTowardTheBlobs{false, true, false, true};

// Ticks every 20 ms from `from` until `stop` says so or `until` passes; returns the time reached.
template <typename Stop>
int64_t TickUntil(PondGame& game, int64_t from, int64_t until, const HeldArrows& held, Stop stop) {
    int64_t now = from;
    while (now < until) {
        now += 20;
        if (stop(game.Tick(now, held))) {
            break;
        }
    }
    return now;
}

TEST(VintrelPondGame, AStartingPondHasTwoBiggerAndFourOwnSizeBlobsAwayFromThePlayer) {
    PondGame game(Always125, false);
    ASSERT_EQ(game.Baddies().size(), 6u);
    const int sizes[] = {2, 2, 1, 1, 1, 1};
    for (std::size_t i = 0; i < 6; ++i) {
        const CBaddie& b = game.Baddies()[i];
        EXPECT_EQ(b.Size(), sizes[i]);
        EXPECT_GT(std::hypot(b.X() - game.Player().X(), b.Y() - game.Player().Y()), 80.0f);
        EXPECT_FALSE(b.IsOut());
    }
    EXPECT_EQ(game.SpareLives(), 2);
}

TEST(VintrelPondGame, ImmunePlayerPassesBiggerBlobsAndEatsItsOwnSize) {
    // The new game's 47 draws as above, then ordinary ones so eaten blobs come back elsewhere.
    ModuleRandom later;
    int draws = 0;
    PondGame game([&] { return ++draws <= 47 ? 125 : later.Next(); }, true);
    TickUntil(game, 0, 4000, kTowardTheBlobs, [](const auto&) { return false; });
    // It went through the heap where the bigger blobs sit and ate own-size ones there.
    EXPECT_GE(game.Score(), 10);
    EXPECT_EQ(game.Score(), 10 * game.Player().Eaten());
    EXPECT_EQ(game.SpareLives(), 2);
    EXPECT_FALSE(game.Dying());
}

TEST(VintrelPondGame, ABiggerBlobKillsAndSpaceBeforeTheAngelIsGoneResumesPlay) {
    PondGame game(Always125, false);
    bool died = false;
    int64_t now = TickUntil(game, 0, 4000, kTowardTheBlobs, [&](const auto& news) {
        died = Has(news, PondNews::LifeLost);
        return died;
    });
    ASSERT_TRUE(died);
    EXPECT_EQ(game.Score(), 0);
    EXPECT_EQ(game.SpareLives(), 1);
    ASSERT_NE(game.GetAngel(), nullptr);
    const float angelStartY = game.GetAngel()->y;

    bool panel = false;
    now = TickUntil(game, now, now + 1500, HeldArrows{}, [&](const auto& news) {
        panel = Has(news, PondNews::OpenContinuePanel);
        return panel;
    });
    ASSERT_TRUE(panel);
    EXPECT_EQ(game.Phase(), PondPhase::AskingContinue);
    EXPECT_LT(game.GetAngel()->y, angelStartY - 40);

    game.Continue(now);
    EXPECT_FALSE(game.Dying());
    EXPECT_EQ(game.Phase(), PondPhase::Playing);
    const float startX = game.Player().X();
    int angelGone = 0;
    TickUntil(game, now, now + 1500, HeldArrows{false, true, false, false}, [&](const auto& news) {
        angelGone += static_cast<int>(std::count(news.begin(), news.end(), PondNews::AngelGone));
        return false;
    });
    EXPECT_EQ(angelGone, 0);
    EXPECT_GT(game.Player().X(), startX + 20);
}

TEST(VintrelPondGame, RandomPlayKeepsEveryBlobInThePondAndScoresTenPerSizeEaten) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        ModuleRandom shell;
        shell.Seed(seed);
        ModuleRandom keys;
        keys.Seed(seed * 7919u);
        PondGame game([&] { return shell.Next(); }, seed % 2 == 0);
        HeldArrows held;
        int64_t now = 0;
        for (int tick = 0; tick < 3000 && game.Phase() != PondPhase::AskingPlayAgain; ++tick) {
            if (tick % 25 == 0) {
                const int k = keys.Next();
                held = {(k & 1) != 0, (k & 2) != 0, (k & 4) != 0, (k & 8) != 0};
            }
            now += 20;
            game.Tick(now, held);
            if (game.Phase() == PondPhase::AskingContinue && !game.Dying()) {
                game.Continue(now);
            }
            const auto inPond = [](float x, float y, int w) {
                return std::hypot(x + w / 2 - 245.0f, y + w / 2 - 209.0f) <= 205.0f - w / 2 + 0.01f;
            };
            const CPlayerBlob& p = game.Player();
            ASSERT_TRUE(inPond(p.X(), p.Y(), p.Width())) << seed << " " << tick;
            for (const CBaddie& b : game.Baddies()) {
                ASSERT_TRUE(inPond(b.X(), b.Y(), b.Width())) << seed << " " << tick;
                ASSERT_GE(b.Size(), 1);
                ASSERT_LE(b.Size(), 10);
            }
            ASSERT_EQ(game.Score(), 10 * p.Eaten());
            ASSERT_LE(p.Size(), 9);
        }
    }
}

}  // namespace
}  // namespace vintrel
