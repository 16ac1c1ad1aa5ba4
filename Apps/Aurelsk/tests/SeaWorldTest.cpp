#include "Apps/Aurelsk/SeaWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Apps/Common/ModuleRandom.h"

namespace aurelsk {

class SeaWorldTestAccess {
public:
    static SeaSprite& AddEnemy(SeaWorld& w, SeaKind kind, float x, int lane, float speed) {
        w.enemies_.push_back({SeaSprite(kind, x, static_cast<float>(SeaWorld::LaneY(lane)), speed, speed > 0), lane});
        return w.enemies_.back().sprite;
    }
    static void AddTreasure(SeaWorld& w, float x, float y) { w.treasures_.push_back({0, 0, x, y}); }
    static PlayerSub& Player(SeaWorld& w) { return w.player_; }
    static void SetScore(SeaWorld& w, int score) { w.score_ = score; }
};

namespace {

using Access = SeaWorldTestAccess;
constexpr int kTick = 33;

// A draw that never fires, never starts a wave and never places treasure at random.
RandomSource Quiet() {
    return [] { return 99; };
}

bool Has(const std::vector<SeaEvent>& events, SeaEventKind kind) {
    return std::ranges::any_of(events, [kind](const SeaEvent& e) { return e.kind == kind; });
}

// Hands out the given draws in order, then draws that start nothing.
RandomSource Script(std::vector<int> draws) {
    return [draws = std::move(draws), next = size_t{0}]() mutable { return next < draws.size() ? draws[next++] : 99; };
}

TEST(SeaWorld, WavesEnterAsTheirDrawsSay) {
    struct Case {
        const char* what;
        std::vector<int> draws;  // try, size, side, lane, kind[, small or big]
        SeaKind kind;
        size_t members;
        float firstX, gap, speed;
        int lane;
    };
    const Case cases[] = {
        {"three small pirates from the right", {0, 75, 1, 4, 0, 2}, SeaKind::SmallPirate, 3, 500, 50, -2.25f * 0.75f, 4},
        {"a shark from the left", {0, 0, 0, 2, 1}, SeaKind::Shark, 1, -64, 0, 2.25f, 2},
        {"a big pirate", {0, 40, 1, 0, 0, 1}, SeaKind::BigPirate, 2, 500, 74, -2.25f * 0.6f, 0},
        {"five would pass the limit of five", {0, 99, 0, 0, 0}, SeaKind::Shark, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SeaWorld w(Script(c.draws));
        w.Tick(kTick, 0);
        const auto enemies = w.Enemies();
        ASSERT_EQ(enemies.size(), c.members) << c.what;
        for (size_t i = 0; i < enemies.size(); ++i) {
            const SeaSprite& e = enemies[i].sprite;
            EXPECT_EQ(e.Kind(), c.kind) << c.what;
            EXPECT_EQ(enemies[i].lane, c.lane) << c.what;
            EXPECT_FLOAT_EQ(e.Y(), static_cast<float>(133 + 47 * c.lane)) << c.what;
            EXPECT_FLOAT_EQ(e.XSpeed(), c.speed) << c.what;
            EXPECT_FLOAT_EQ(e.X(), c.firstX + c.gap * static_cast<float>(i)) << c.what;
        }
    }
}

TEST(SeaWorld, EveryWayOutFreesTheEnemysCountAndLane) {
    SeaWorld w(Quiet());
    Access::AddEnemy(w, SeaKind::Shark, 860, 0, 20);  // swims out of range
    SeaSprite& rammer = Access::AddEnemy(w, SeaKind::SmallPirate, 0, 1, -1);  // rams the diver
    Access::Player(w).Sprite().MoveTo(0, static_cast<float>(SeaWorld::LaneY(1)));
    EXPECT_EQ(w.EnemyCount(), 2);
    int now = 0;
    w.Tick(now += kTick, 0);
    w.Tick(now += kTick, 0);
    EXPECT_TRUE(rammer.IsExploding());
    EXPECT_EQ(w.EnemyCount(), 0);
    EXPECT_FALSE(w.IsLaneTaken(0));
    EXPECT_FALSE(w.IsLaneTaken(1));
    for (int i = 0; i < 40; ++i) w.Tick(now += kTick, 0);
    EXPECT_TRUE(w.Enemies().empty()) << "the life is lost and the sea cleared";
}

TEST(SeaWorld, WavesKeepComingAfterTenMinutes) {
    ModuleRandom random;
    random.Seed(7);
    SeaWorld w([&random] { return random.Next(); });
    int now = 0, enteredLastMinute = 0;
    const int tenMinutes = 10 * 60 * 1000 / kTick;
    for (int tick = 0; tick < tenMinutes + 1818; ++tick) {
        const size_t before = w.Enemies().size();
        // The diver stays at the surface, above every lane and every torpedo.
        ASSERT_EQ(w.Tick(now += kTick, 0), TickResult::Playing);
        if (tick >= tenMinutes && w.Enemies().size() > before) ++enteredLastMinute;
        ASSERT_LE(w.EnemyCount(), w.Level().MaxEnemies());
    }
    EXPECT_GT(enteredLastMinute, 3);
}

TEST(SeaWorld, BigPirateNeedsTwoTorpedoesAndPaysOnTheSecond) {
    SeaWorld w(Quiet());
    SeaSprite& big = Access::AddEnemy(w, SeaKind::BigPirate, 400, 0, 0);
    Access::Player(w).Sprite().MoveTo(300, static_cast<float>(SeaWorld::LaneY(0)) - 5);
    int now = 0;
    for (int shot = 1; shot <= 2; ++shot) {
        ASSERT_TRUE(w.FireTorpedo(now));
        EXPECT_FALSE(w.FireTorpedo(now)) << "one torpedo at a time";
        for (int i = 0; i < 10 && w.PlayerTorpedo(); ++i) w.Tick(now += kTick, 0);
        const auto events = w.TakeEvents();
        EXPECT_EQ(Has(events, SeaEventKind::PirateDamaged), shot == 1);
        EXPECT_EQ(big.IsExploding(), shot == 2);
    }
    EXPECT_EQ(w.Score(), 75);
}

TEST(SeaWorld, TreasureIsBankedAtTheSurfaceForFiveHundredEach) {
    SeaWorld w(Quiet());
    PlayerSub& sub = Access::Player(w);
    sub.Sprite().MoveTo(100, 390);
    for (int i = 0; i < 7; ++i) Access::AddTreasure(w, 100, 400);
    int now = 0;
    w.Tick(now += kTick, 0);
    EXPECT_EQ(sub.Hold(), 5);
    EXPECT_EQ(w.Treasures().size(), 2u) << "a full hold leaves the rest";
    sub.Sprite().MoveTo(100, 85);
    w.Tick(now += kTick, 0);
    EXPECT_EQ(sub.Hold(), 0);
    EXPECT_EQ(w.Score(), 2500);
}

TEST(SeaWorld, LingeringAtTheSurfaceCostsTenPerTickButNeverGoesBelowZero) {
    SeaWorld w(Quiet());
    PlayerSub& sub = Access::Player(w);
    sub.Sprite().MoveTo(100, 200);
    int now = 0;
    for (int i = 0; i < 40; ++i) w.Tick(now += kTick, 0);  // 10 units used
    Access::SetScore(w, 25);
    sub.Sprite().MoveTo(100, 85);
    w.Tick(now += kTick, 0);
    EXPECT_EQ(w.Score(), 15);
    w.Tick(now += kTick, 0);
    EXPECT_EQ(w.Score(), 5);
    w.Tick(now += kTick, 0);
    EXPECT_EQ(w.Score(), 0);
    w.Tick(now += kTick, 0);
    EXPECT_EQ(w.Score(), 0) << "full again: no cost";
}

TEST(SeaWorld, OutOfOxygenFourTimesEndsTheGame) {
    SeaWorld w(Quiet());
    int now = 0, lost = 0, ticks = 0;
    TickResult result = TickResult::Playing;
    while (result != TickResult::GameOver && ticks < 10000) {
        if (!w.IsDying()) Access::Player(w).Sprite().MoveTo(100, 200);
        result = w.Tick(now += kTick, 0);
        lost += result == TickResult::LifeLost ? 1 : 0;
        ++ticks;
    }
    EXPECT_EQ(lost, 3);
    EXPECT_EQ(ticks, 4 * (720 + 39)) << "the tick that empties the tank is the first of the 40";
    EXPECT_EQ(w.Lives(), 0);
    EXPECT_FALSE(w.FireTorpedo(now));
}

TEST(SeaWorld, TorpedoFiredOffScreenIsSilent) {
    SeaWorld w([] { return 0; });  // every enemy fires at once
    Access::AddEnemy(w, SeaKind::SmallPirate, -30, 3, 0.01f);
    Access::AddEnemy(w, SeaKind::SmallPirate, 250, 5, -0.01f);
    w.TakeEvents();
    w.Tick(kTick, 0);
    const auto events = w.TakeEvents();
    EXPECT_EQ(std::ranges::count_if(events, [](const SeaEvent& e) { return e.kind == SeaEventKind::TorpedoFired; }), 1);
    EXPECT_EQ(w.EnemyTorpedoes().size(), 2u);
}

}  // namespace
}  // namespace aurelsk
