#include <gtest/gtest.h>

#include "Apps/Brisquet2/Celebration.h"
#include "Apps/Brisquet2/PuzzleSession.h"
#include "Apps/Common/ModuleRandom.h"

namespace brisquet2 {
namespace {

SessionEffect Effect(int points, std::optional<int> level = std::nullopt, int attempts = 0) {
    SessionEffect effect;
    effect.points = points;
    effect.level = level;
    effect.attempts = attempts;
    return effect;
}

SessionEffect Flagged(bool SessionEffect::*flag, std::optional<int> level = std::nullopt, int points = 0) {
    SessionEffect effect = Effect(points, level);
    effect.*flag = true;
    return effect;
}

std::function<int()> Fixed(int value) {
    return [value] { return value; };
}

TEST(PuzzleSession, ModeChoosesTheNumberAndItsBand) {
    struct Case {
        int mode;
        int level;
        int rand;
        PuzzleMode kind;
        int number;
        const char* name;
    };
    const Case cases[] = {
        {0, 37, 0, PuzzleMode::Challenge, 37, "Easy"},        {150, 151, 0, PuzzleMode::Challenge, 150, "Hard"},
        {1, 0, 0, PuzzleMode::Challenge, 1, "Easy"},          {1, 51, 0, PuzzleMode::Challenge, 51, "Medium"},
        {256, 1, 0, PuzzleMode::Random, 0, "Easy"},           {256, 1, 16665, PuzzleMode::Random, 16665, "Easy"},
        {512, 1, 0, PuzzleMode::Random, 16666, "Medium"},     {768, 1, 16665, PuzzleMode::Random, 49998, "Hard"},
        {768, 1, 0, PuzzleMode::Random, 33333, "Medium"},     {151, 1, 5, PuzzleMode::Random, 5, "Easy"},
        {65535, 1, 16665, PuzzleMode::Random, 49998, "Hard"}, {0x10000 + 4242, 1, 0, PuzzleMode::Chosen, 4242, "Easy"},
        {0x10000 + 65535, 1, 0, PuzzleMode::Chosen, 50000, "Hard"},
    };
    for (const Case& c : cases) {
        const CPuzzleSession session(c.mode, c.level, Fixed(c.rand));
        EXPECT_EQ(session.Mode(), c.kind) << c.mode;
        EXPECT_EQ(session.Number(), c.number) << c.mode;
        EXPECT_EQ(session.DifficultyName(), c.name) << c.mode;
        EXPECT_EQ(session.Started().attempts, c.kind == PuzzleMode::Challenge ? 0 : 1) << c.mode;
    }
}

TEST(PuzzleSession, RandomChangesStayInTheStartingDifficulty) {
    ModuleRandom generator;
    const auto rand = [&] { return generator.Next(); };
    for (const int mode : {256, 512, 768}) {
        CPuzzleSession session(mode, 1, rand);
        const int low = (mode / 256 - 1) * kHighestPuzzle / 3;
        for (int i = 0; i < 2000; ++i) {
            EXPECT_EQ(session.Change(rand), Effect(0, std::nullopt, 1));
            ASSERT_GE(session.Number(), low) << mode;
            ASSERT_LT(session.Number(), low + kRandomBand) << mode;
        }
    }
}

TEST(PuzzleSession, ChallengeCostsAndLevels) {
    CPuzzleSession session(0, 20, Fixed(0));  // record 1: 150 points
    EXPECT_EQ(session.Replay(), Effect(-15));
    EXPECT_EQ(session.Skip(), Effect(-37, 21));
    EXPECT_EQ(session.Number(), 21);
    session.Failed();
    EXPECT_EQ(session.MainMenu(), Effect(-17));  // record 2: 175 points
    session.Failed();
    EXPECT_EQ(session.Replay(), Effect(-17));
    EXPECT_EQ(session.Solved(), Effect(175, 22));
    EXPECT_EQ(session.MainMenu(), Effect(0, 22));
    EXPECT_EQ(session.Skip(), Effect(0, 22));  // "Keep Breaking" after a solved puzzle is free
    // The other modes' choices leave the challenge alone.
    EXPECT_EQ(session.Change(Fixed(5)), Flagged(&SessionEffect::refused));
    EXPECT_EQ(session.Choose(4000), Flagged(&SessionEffect::refused));
    EXPECT_EQ(session.Number(), 22);
}

TEST(PuzzleSession, TheLastChallengePuzzle) {
    CPuzzleSession failing(0, 150, Fixed(0));
    EXPECT_FALSE(failing.CanSkip());
    EXPECT_EQ(failing.Skip(), Flagged(&SessionEffect::refused));
    failing.Failed();
    EXPECT_EQ(failing.Skip(), Flagged(&SessionEffect::refused));
    EXPECT_EQ(failing.Number(), 150);
    // Failing the last puzzle costs a replay and keeps the player at it.
    EXPECT_EQ(failing.MainMenu(), Effect(-200));

    CPuzzleSession solving(0, 150, Fixed(0));
    EXPECT_EQ(solving.Solved(), Flagged(&SessionEffect::celebrate, 1, 2000));
    EXPECT_EQ(solving.MainMenu(), Flagged(&SessionEffect::endCelebration));
}

TEST(PuzzleSession, PromptAndStoredLevelAreBounded) {
    const std::pair<const char*, std::optional<int>> prompts[] = {
        {"1", 1},           {"50000", 50000}, {" 42", 42},           {"0", std::nullopt},
        {"50001", std::nullopt}, {"", std::nullopt}, {"-7", std::nullopt}, {"abc", std::nullopt},
        {"99999999999999", std::nullopt},
    };
    for (const auto& [text, number] : prompts) EXPECT_EQ(ParsePuzzleNumber(text), number) << text;
    EXPECT_EQ(ClampLevel(0), 1);
    EXPECT_EQ(ClampLevel(151), 150);
    EXPECT_EQ(ClampLevel(-2147483647 - 1), 1);
}

TEST(Celebration, SpeedsAndBounds) {
    ModuleRandom generator;
    CCelebration celebration([&] { return generator.Next(); });
    ASSERT_EQ(celebration.Bubbles().size(), 50u);
    for (int tick = 0; tick < 1000; ++tick) {
        for (const BouncingBubble& bubble : celebration.Bubbles()) {
            ASSERT_TRUE(std::abs(bubble.dx) == 4 || std::abs(bubble.dx) == 5);
            ASSERT_TRUE(std::abs(bubble.dy) == 4 || std::abs(bubble.dy) == 5);
            ASSERT_GE(bubble.x, CCelebration::kLeft - 5);
            ASSERT_LE(bubble.x, CCelebration::kRight + 5);
            ASSERT_GE(bubble.y, CCelebration::kTop - 5);
            ASSERT_LE(bubble.y, CCelebration::kBottom + 5);
            ASSERT_GE(bubble.kind, 1);
            ASSERT_LE(bubble.kind, 4);
        }
        celebration.Tick();
    }
}

}  // namespace
}  // namespace brisquet2
