#include "Apps/Pellawick/LevelTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Apps/Common/ResourceFile.h"

namespace pellawick {
namespace {

std::string DeliveredText() {
    std::ifstream in(RIVAKEL_SOURCE_DIR "/Apps/Pellawick/Levels_PWK.txt", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

LevelValues Read(const std::string& text, int league) {
    const std::vector<uint8_t> bytes(text.begin(), text.end());
    CResourceFile file(bytes);
    return ReadLevelTable(file, league);
}

// One block in the file's own format.
std::string Block(const LevelValues& v) {
    std::ostringstream out;
    out << "// ++++++++++++++++++++ League ++++++++++++++++++++ \n" << v.maxHungryCustomers << ",\t// a\n"
        << v.totalPatience << ",\t// b\n" << v.peakHeight << ".0,\t// c\n" << v.throwSpeed << ",\t// d\n"
        << v.foodTypes << ",\t// e\n" << v.customersToServe << ",\t// f\n" << v.minTimeBetweenCustomers
        << ",\t// g\n" << v.maxTimeBetweenCustomers << ",\t// h\n\n" << v.deltaPatience << ",\t// i\n"
        << v.deltaCustomers << ",\t// j\n" << v.deltaMinTime << ",\t// k\n" << v.deltaThrowSpeed << ",\t// l\n";
    return out.str();
}

const LevelValues kSound{6, 9500, 20.0f, 2.5f, 2, 8, 800, 2400, 400, 2, 10, 0.5f};

TEST(LevelTable, DeliveredTextGivesTheLeagues) {
    const std::string text = DeliveredText();
    ASSERT_FALSE(text.empty());
    const LevelValues expected[] = {
        {5, 9000, 20.0f, 2.0f, 1, 9, 900, 2500, 450, 3, 0, 0.0f},
        {7, 8000, 20.0f, 2.0f, 2, 10, 750, 2000, 400, 5, 0, 0.0f},
        {9, 7500, 20.0f, 2.0f, 3, 15, 500, 2250, 300, 6, 0, 0.0f},
    };
    for (int league = 0; league < kLeagueCount; ++league) EXPECT_EQ(Read(text, league), expected[league]) << league;
}

TEST(LevelTable, InningsChangeTheValuesStepByStep) {
    const LevelValues little = Read(DeliveredText(), 0);
    const LevelValues fourth = ForInning(little, 4);
    EXPECT_EQ(fourth.totalPatience, 9000 - 3 * 450);
    EXPECT_EQ(fourth.customersToServe, 9 + 3 * 3);
    EXPECT_EQ(fourth.maxHungryCustomers, little.maxHungryCustomers);

    const LevelValues ninth = ForInning(kSound, 9);
    EXPECT_EQ(ninth.minTimeBetweenCustomers, 800 - 8 * 10);
    EXPECT_FLOAT_EQ(ninth.throwSpeed, 2.5f + 8 * 0.5f);
    EXPECT_EQ(ForInning(kSound, 1), kSound);
}

TEST(LevelTable, InningChangesStopWhereTheGameStillPlays) {
    LevelValues steep = kSound;
    steep.deltaPatience = 5000;
    steep.deltaMinTime = INT_MAX;
    steep.deltaCustomers = INT_MIN;
    steep.deltaThrowSpeed = -2.0f;
    const LevelValues late = ForInning(steep, 9);
    EXPECT_EQ(late.totalPatience, 1);
    EXPECT_EQ(late.minTimeBetweenCustomers, 0);
    EXPECT_EQ(late.customersToServe, 1);
    EXPECT_GT(late.throwSpeed, 0.0f);
}

TEST(LevelTable, WithoutTheTextTheBuiltInValuesHold) {
    EXPECT_EQ(Read("", 2).customersToServe, 1) << "the built-in Major League serves one customer";
    EXPECT_EQ(LoadLevelTable(1), BuiltInLevels(1)) << "no module is running: nothing to open";
}

TEST(LevelTable, DamagedBlocksFallBackToTheBuiltInLeague) {
    const auto with = [](auto change) {
        LevelValues v = kSound;
        change(v);
        return Block(v);
    };
    struct Case {
        const char* what;
        std::string text;
        int league;
    };
    const Case cases[] = {
        {"patience 0", with([](LevelValues& v) { v.totalPatience = 0; }), 0},
        {"no food types", with([](LevelValues& v) { v.foodTypes = 0; }), 0},
        {"four food types", with([](LevelValues& v) { v.foodTypes = 4; }), 0},
        {"nobody to serve", with([](LevelValues& v) { v.customersToServe = 0; }), 0},
        {"food that never flies", with([](LevelValues& v) { v.throwSpeed = 0; }), 0},
        {"minimum above maximum", with([](LevelValues& v) { v.minTimeBetweenCustomers = 5000; }), 0},
        {"negative patience", with([](LevelValues& v) { v.totalPatience = -9000; }), 0},
        {"cut after one league, Minor asked", Block(kSound), 1},
        {"cut after two leagues, Major asked", Block(kSound) + Block(kSound), 2},
        {"cut inside the block", Block(kSound).substr(0, 90), 0},
        {"only the header", "// Level information file for Pellawick.\n", 0},
        {"words, no numbers", "popcorn, cola, peanuts", 1},
        {"digits past the int range", std::string(300, '9'), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Read(c.text, c.league), BuiltInLevels(c.league)) << c.what;
    }
    EXPECT_EQ(Read(Block(kSound) + Block(kSound), 1), kSound) << "a sound block still reads";
}

}  // namespace
}  // namespace pellawick
