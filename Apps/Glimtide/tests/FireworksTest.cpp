#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "Apps/Glimtide/FireworksRenderer.h"

namespace {

using namespace glimtide;

// Colours as their own device values, so the points can be read back.
AppletColor Identity(int r, int g, int b) { return static_cast<AppletColor>((r << 16) | (g << 8) | b); }

const CColourTable& Colours() {
    static const CColourTable table(Identity);
    return table;
}

// Random numbers from a script, round and round.
struct Script {
    std::vector<int> values;
    size_t next = 0;
    int operator()() { return values[next++ % values.size()]; }
};

struct Sky {
    explicit Sky(std::vector<int> randomValues) : script{std::move(randomValues)} {}
    Script script;
    std::vector<int> explosions;
    CFireworksRenderer renderer{Colours(), {[this] { return script(); }, [this](int n) { explosions.push_back(n); }}};
};

// The centre of the play camera's view: (0, -100, 0) moved by (0, 100, 300).
constexpr Vec3 kCentre{0, -100, 0};

TEST(FireworksColourTable, AllocatesEveryLevelOnceRedOutermost) {
    std::vector<int> asked;
    const CColourTable table([&](int r, int g, int b) {
        if (asked.size() < 3) asked.insert(asked.end(), {r, g, b});
        return Identity(r, g, b);
    });
    EXPECT_EQ(asked, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(table.Lookup({255, 128, 7}), Identity(252, 128, 4));
    EXPECT_EQ(table.Lookup({51, 51, 255}), Identity(48, 48, 252));
    EXPECT_EQ(CColourTable::Index({4, 0, 0}), 4096);
    EXPECT_EQ(CColourTable::Index({0, 4, 0}), 64);
}

TEST(FireworksCamera, ProjectsThePlayViewOntoTheCanvas) {
    CCamera camera;
    ScreenPoint p;
    ASSERT_TRUE(camera.ProjectPoint(kCentre, p));
    EXPECT_EQ(p.x, 250);
    EXPECT_EQ(p.y, 210);
    // The launch point of the play screen sits just above the icon bar.
    ASSERT_TRUE(camera.ProjectPoint({0, -230, 0}, p));
    EXPECT_NEAR(p.y, 335, 1);

    // At view depth 300 the edge of the 72-degree view lies 300 tan 36 degrees to the side.
    const float edge = 300 * std::tan(std::numbers::pi_v<float> / 5);
    EXPECT_TRUE(camera.ProjectPoint({edge * 0.999f, -100, 0}, p));
    EXPECT_GE(p.x, 499);
    EXPECT_FALSE(camera.ProjectPoint({edge * 1.001f, -100, 0}, p));
    EXPECT_FALSE(camera.ProjectPoint({-edge * 1.001f, -100, 0}, p));
    // Behind the eye and on its plane: nothing, and no division by zero.
    EXPECT_FALSE(camera.ProjectPoint({0, -100, -400}, p));
    EXPECT_FALSE(camera.ProjectPoint({0, -100, -300}, p));

    // A viewport and offset as the icons use them.
    camera.SetViewport(50, 48, 150, 2);
    camera.SetTranslation({0, 0, 300});
    ASSERT_TRUE(camera.ProjectPoint({0, 0, 0}, p));
    EXPECT_EQ(p.x, 175);
    EXPECT_EQ(p.y, 26);
}

TEST(FireworksSpark, FliesFallsAndFadesEachTick) {
    Sky sky({0});
    Spark& spark = sky.renderer.Add<Spark>(SparkStart{kCentre, {1, 2, 0}, {100, 7, 0}, 5, 1, 5});
    sky.renderer.Update(50);
    // Moves by the old velocity, then gravity and drag act on it.
    EXPECT_FLOAT_EQ(spark.Position().x, 1);
    EXPECT_FLOAT_EQ(spark.Position().y, -98);
    EXPECT_FLOAT_EQ(spark.Velocity().x, 0.94f);
    EXPECT_FLOAT_EQ(spark.Velocity().y, 1.9f * 0.94f);
    EXPECT_EQ(spark.Colour(), (Rgb{95, 2, 0}));
    EXPECT_EQ(spark.Life(), 4);
    sky.renderer.Update(100);
    EXPECT_EQ(spark.Colour(), (Rgb{90, 0, 0}));

    // Five ticks of life, then the sixth update finds it spent.
    for (int t = 3; t <= 5; ++t) sky.renderer.Update(t * 50);
    EXPECT_EQ(sky.renderer.ParticleCount(), 1);
    sky.renderer.Update(300);
    EXPECT_EQ(sky.renderer.ParticleCount(), 0);
}

TEST(FireworksSpark, ADarkSparkLingersTwoTicksAtMost) {
    Sky sky({0});
    sky.renderer.Add<Spark>(SparkStart{kCentre, {}, {10, 0, 0}, 32, 1, 5});
    sky.renderer.Update(50);  // (5, 0, 0), 31 left
    sky.renderer.Update(100);  // black with 30 left: two more
    EXPECT_EQ(sky.renderer.ParticleCount(), 1);
    sky.renderer.Update(150);
    sky.renderer.Update(200);
    EXPECT_EQ(sky.renderer.ParticleCount(), 1);
    sky.renderer.Update(250);
    EXPECT_EQ(sky.renderer.ParticleCount(), 0);
}

TEST(FireworksSpark, BigSparksDrawABlockAndAHalfBrightTrail) {
    Sky sky({0});
    sky.renderer.Add<Spark>(SparkStart{kCentre, {0, 0, 0}, {200, 100, 40}, 10, 2, 0});
    // Drawn once at creation: a single 2x2 block, no trail from nowhere.
    const auto first = sky.renderer.Points().Points();
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(first[0].x, 250);
    EXPECT_EQ(first[3].x, 251);
    EXPECT_EQ(first[3].y, 211);
    EXPECT_EQ(first[0].colour, Identity(200, 100, 40));

    sky.renderer.BeginFrame(nullptr);
    sky.renderer.Update(50);
    const auto second = sky.renderer.Points().Points();
    ASSERT_EQ(second.size(), 8u);
    EXPECT_EQ(second[0].colour, Identity(100, 48, 20));
    EXPECT_EQ(second[4].colour, Identity(200, 100, 40));
}

TEST(FireworksPoints, AFullFrameDropsTheLaterPoints) {
    CPointBuffer points(Colours());
    for (int i = 0; i < CPointBuffer::kCapacity + 10; ++i)
        points.PlotPoint(i % 500, 7, {i < CPointBuffer::kCapacity ? uint8_t{8} : uint8_t{255}, 0, 0});
    EXPECT_EQ(points.Count(), CPointBuffer::kCapacity);
    EXPECT_EQ(points.Points().back().colour, Identity(8, 0, 0));
}

TEST(FireworksRenderer, ParticlesBornInATickWaitForTheNext) {
    // Rand 1: speeds and directions, no ring, a second slower shell.
    Sky sky({1});
    sky.renderer.Add<Rocket>(SparkStart{kCentre, {}, {255, 255, 255}, 0, 2, 5},
                             RocketBurst{RocketKind::Ordinary, true, {255, 0, 0}, false});
    sky.renderer.BeginFrame(nullptr);
    sky.renderer.Update(50);
    // 100 crackling sparks and 100 slower ones, none of them updated yet.
    EXPECT_EQ(sky.renderer.ParticleCount(), 200);
    EXPECT_EQ(sky.explosions, std::vector<int>{kBigExplosion});
    EXPECT_EQ(sky.renderer.Points().Count(), 200 * 4);
}

TEST(FireworksRenderer, BurstsFollowTheirKind) {
    struct Case {
        const char* what;
        std::vector<int> rand;
        RocketBurst burst;
        int particles;
        int explosion;
    };
    const Rgb red{255, 0, 0};
    const Case cases[] = {
        // Rand 0: a ring of 150 long-lived crackling sparks and no second shell.
        {"ring", {0}, {RocketKind::Ordinary, true, red, false}, 150, kBigExplosion},
        // Rand 1: no ring, a second shell: 100 + 100.
        {"two shells", {1}, {RocketKind::Ordinary, true, red, false}, 200, kBigExplosion},
        // Rand 2: no ring, 2 % 3 != 0, a second shell.
        {"two shells again", {2}, {RocketKind::Ordinary, true, red, false}, 200, kBigExplosion},
        // A sub-rocket: never a ring, 20 sparks and 20 more.
        {"sub-rocket", {1}, {RocketKind::Ordinary, true, red, true}, 40, kSmallExplosion},
        // Sub-rockets: Rand % 5 + 5 of them; 4 gives 9.
        {"nine sub-rockets", {4}, {RocketKind::SubRockets, true, red, false}, 9, kSmallExplosion},
        {"five sub-rockets", {1000}, {RocketKind::SubRockets, true, red, false}, 5, kSmallExplosion},
    };
    for (const Case& c : cases) {
        Sky sky(c.rand);
        sky.renderer.SetPalette(std::vector<Rgb>{red});
        sky.renderer.Add<Rocket>(SparkStart{kCentre, {}, {255, 255, 255}, 0, 2, 5}, c.burst);
        sky.renderer.Update(50);
        EXPECT_EQ(sky.renderer.ParticleCount(), c.particles) << c.what;
        EXPECT_EQ(sky.explosions, std::vector<int>{c.explosion}) << c.what;
    }
}

TEST(FireworksRenderer, SubRocketsBurstInTheirParentsColour) {
    Sky sky({4, 1, 7, 2, 999, 3});
    sky.renderer.SetPalette(std::vector<Rgb>{{0, 255, 0}, {0, 0, 255}});
    sky.renderer.Add<Rocket>(SparkStart{kCentre, {0, 5, 0}, {255, 255, 255}, 0, 2, 5},
                             RocketBurst{RocketKind::SubRockets, false, {}, false});
    sky.renderer.Update(50);
    const int subRockets = sky.renderer.ParticleCount();
    ASSERT_GE(subRockets, 5);
    // Let every sub-rocket burst (at most 30 ticks) and check that every spark has one colour hue.
    for (int t = 2; t < 40; ++t) sky.renderer.Update(t * 50);
    ASSERT_GT(sky.explosions.size(), 1u);
    for (int n : sky.explosions) EXPECT_EQ(n, kSmallExplosion);
    sky.renderer.BeginFrame(nullptr);
    sky.renderer.Update(40 * 50);
    for (const AppletPixelEntry& p : sky.renderer.Points().Points()) {
        const int r = static_cast<int>((p.colour >> 16) & 0xFF), g = static_cast<int>((p.colour >> 8) & 0xFF),
                  b = static_cast<int>(p.colour & 0xFF);
        // The parent's palette colour, or the grey of a crackle.
        EXPECT_TRUE((r == 0 && (g == 0) != (b == 0)) || (r == g && g == b)) << r << " " << g << " " << b;
    }
}

TEST(FireworksRenderer, CracklingSparksThrowOffSparksEveryFiftyMilliseconds) {
    Sky sky({1});
    sky.renderer.Add<CracklingSpark>(SparkStart{kCentre, {}, {255, 0, 0}, 100, 2, 5}, 0);
    sky.renderer.Update(50);  // not more than 50 ms: nothing
    EXPECT_EQ(sky.renderer.ParticleCount(), 1);
    sky.renderer.Update(100);
    sky.renderer.Update(150);  // 50 ms after the last: nothing
    sky.renderer.Update(200);
    EXPECT_EQ(sky.renderer.ParticleCount(), 3);

    // A ring spark's child is one pixel in the ring's colour before it faded this tick.
    Sky ring({1});
    ring.renderer.Add<CracklingSpark>(SparkStart{kCentre, {}, {0, 200, 0}, 100, 2, CracklingSpark::kRingFade}, 0);
    ring.renderer.BeginFrame(nullptr);
    ring.renderer.Update(60);
    int children = 0;
    for (const AppletPixelEntry& p : ring.renderer.Points().Points()) children += p.colour == Identity(0, 200, 0);
    EXPECT_EQ(children, 1);
    EXPECT_EQ(ring.renderer.Points().Count(), 1 + 8);
}

TEST(FireworksRenderer, ADirectionIsNeverZero) {
    // 500 makes RandomSigned exactly 0: drawn again until something else comes.
    Sky sky({500, 500, 500, 500, 0, 500});
    const Vec3 d = sky.renderer.RandomDirection();
    EXPECT_NEAR(Vec3LengthSquared(d), 1.f, 1e-5f);
    EXPECT_FLOAT_EQ(d.y, 1.f);
}

}  // namespace
