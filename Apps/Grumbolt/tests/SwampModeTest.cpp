#include "Apps/Grumbolt/SwampMode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grumbolt {
namespace {

TEST(SwampMode, StoredLevelStaysInTheChallenge) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"1", 1},     {"148", 148}, {"150", 150}, {"0", 1},  {"151", 150}, {"255", 150},
        {"65537", 150}, {"-3", 1},  {"", 1},      {"abc", 1}, {"99999999999999999999", 150},
    };
    for (const auto& [text, level] : cases) EXPECT_EQ(LevelFromStored(text), level) << '"' << text << '"';
}

TEST(SwampMode, TypedSwampNumbers) {
    EXPECT_EQ(ParseSwampNumber("1"), 1);
    EXPECT_EQ(ParseSwampNumber("50000"), 50000);
    EXPECT_EQ(ParseSwampNumber(" 1234"), 1234);
    for (const char* bad : {"", "0", "50001", "-1", "x", "12345678901234567890", "-12345678901234567890", "4294967297"})
        EXPECT_FALSE(ParseSwampNumber(bad).has_value()) << '"' << bad << '"';
}

TEST(SwampMode, HandOverValues) {
    struct Case {
        int mode, level;
        SwampMode::Kind kind;
        int number;
    };
    const std::vector<Case> cases = {
        {0, 37, SwampMode::Kind::Challenge, 37},
        {0, 0, SwampMode::Kind::Challenge, 1},
        {0, 200, SwampMode::Kind::Challenge, 150},
        {256, 1, SwampMode::Kind::Random, 5},           // Easy: 0 + 5
        {512, 1, SwampMode::Kind::Random, 16666 + 5},   // Medium
        {768, 1, SwampMode::Kind::Random, 33333 + 5},   // Hard
        {65536 + 4321, 1, SwampMode::Kind::Numbered, 4321},
        {65536 + 50000, 1, SwampMode::Kind::Numbered, 50000},
    };
    for (const Case& k : cases) {
        const SwampMode m(k.mode, k.level, 5);
        EXPECT_EQ(m.GetKind(), k.kind) << k.mode;
        EXPECT_EQ(m.Number(), k.number) << k.mode;
    }
}

TEST(SwampMode, RandomHardStaysHard) {
    SwampMode m(768, 1, 16665);
    ASSERT_EQ(m.Number(), 49998);
    for (int draw = 0; draw <= 32767; draw += 7) {
        m.Solved(draw);
        ASSERT_GE(m.Number(), 33333);
        ASSERT_LE(m.Number(), 49998);
    }
    m.ChangeRandom(32767);
    EXPECT_EQ(m.Number(), 33333 + 32767 % 16666);
}

TEST(SwampMode, DifficultyFollowsTheFrogBands) {
    const std::vector<std::pair<int, Difficulty>> numbered = {
        {1, Difficulty::Easy},       {16665, Difficulty::Easy},   {16666, Difficulty::Medium},
        {33331, Difficulty::Medium}, {33332, Difficulty::Hard},   {33333, Difficulty::Hard},
        {50000, Difficulty::Hard},
    };
    for (const auto& [n, d] : numbered) EXPECT_EQ(SwampMode(kNumberedMode + n, 1, 0).Shown(), d) << n;
    const std::vector<std::pair<int, Difficulty>> challenge = {
        {1, Difficulty::Easy}, {50, Difficulty::Easy}, {51, Difficulty::Medium},
        {100, Difficulty::Medium}, {101, Difficulty::Hard}, {150, Difficulty::Hard},
    };
    for (const auto& [n, d] : challenge) EXPECT_EQ(SwampMode(0, n, 0).Shown(), d) << n;
}

TEST(SwampMode, ChallengeRunsToOneHundredFifty) {
    SwampMode m(0, 148, 0);
    EXPECT_EQ(m.Solved(0), SwampMode::After::NextSwamp);
    EXPECT_EQ(m.Number(), 149);
    EXPECT_TRUE(m.Skip());
    EXPECT_EQ(m.Number(), 150);
    EXPECT_FALSE(m.Skip());
    EXPECT_EQ(m.Number(), 150);
    EXPECT_EQ(m.Solved(0), SwampMode::After::Title);
    EXPECT_EQ(m.Number(), 1);
    EXPECT_EQ(SwampMode(kNumberedMode + 9, 1, 0).Solved(0), SwampMode::After::AskNumber);
}

TEST(SwampMode, Costs) {
    // Challenge swamp 20: point factor 33.
    EXPECT_EQ(StuckCost(33, 10), 33);
    EXPECT_EQ(SkipCost(33, 10), 82);
    EXPECT_EQ(StuckCost(30, 6), 18);
}

}  // namespace
}  // namespace grumbolt
