#include "Apps/Grumbolt/SwampGenerator.h"

#include <gtest/gtest.h>

#include <vector>

namespace grumbolt {
namespace {

GeneratedSwamp Generate(int number, bool challenge) {
    ModuleRandom random;
    SwampDice dice = SwampDice::From(random);
    return GenerateSwamp(number, challenge, dice);
}

int CountLilypads(const SwampBoard& b) {
    int n = 0;
    for (int c = 0; c < kSwampSize; ++c)
        for (int r = 0; r < kSwampSize; ++r) n += b.At({c, r}) != kWater ? 1 : 0;
    return n;
}

// Every lilypad reachable from any other through side neighbours.
bool Connected(const SwampBoard& b) {
    std::vector<CellPos> stack;
    bool seen[kSwampSize][kSwampSize] = {};
    for (int c = 0; c < kSwampSize && stack.empty(); ++c)
        for (int r = 0; r < kSwampSize && stack.empty(); ++r)
            if (b.At({c, r}) != kWater) stack.push_back({c, r});
    int reached = 0;
    while (!stack.empty()) {
        const CellPos p = stack.back();
        stack.pop_back();
        if (!SwampBoard::OnBoard(p) || b.At(p) == kWater || seen[p.column][p.row]) continue;
        seen[p.column][p.row] = true;
        ++reached;
        stack.insert(stack.end(), {{p.column + 1, p.row}, {p.column - 1, p.row}, {p.column, p.row + 1}, {p.column, p.row - 1}});
    }
    return reached == CountLilypads(b);
}

std::pair<int, int> FrogBand(int number, bool challenge) {
    if (challenge) return {number * 30 / 150 + 6, number * 30 / 150 + 6};
    if (number < 16666) return {6, 10};
    if (number < 33332) return {14, 24};
    return {26, 36};
}

void CheckSwamp(int number, bool challenge) {
    SCOPED_TRACE(testing::Message() << "swamp " << number << (challenge ? " challenge" : ""));
    const GeneratedSwamp s = Generate(number, challenge);
    const auto [low, high] = FrogBand(number, challenge);
    ASSERT_GE(s.targetFrogs, low);
    ASSERT_LE(s.targetFrogs, high);
    ASSERT_EQ(CountLilypads(s.board), 2 * s.targetFrogs + 5);
    ASSERT_TRUE(Connected(s.board));
    ASSERT_EQ(s.frogCount, s.board.CountFrogs());
    // A swamp of one frog could never end: the screen only checks after a jump.
    ASSERT_GE(s.frogCount, 2);
    ASSERT_LE(s.frogCount, s.targetFrogs);
    ASSERT_EQ(s.swampValue, (number / 20 * 3 + 30) * s.frogCount);
    SwampBoard play = s.board;
    for (const Jump& j : s.solution) {
        const auto legal = play.JumpTo(j.from, j.to);
        ASSERT_TRUE(legal.has_value());
        ASSERT_EQ(*legal, j);
        play.Apply(j);
    }
    ASSERT_EQ(play.State(), SwampState::Solved);
}

TEST(SwampGenerator, FreeSwampOneByHand) {
    // Seed 1 draws 41 first: 41 % 5 + 6 frogs aimed at.
    const GeneratedSwamp s = Generate(1, false);
    EXPECT_EQ(s.targetFrogs, 7);
    EXPECT_EQ(CountLilypads(s.board), 19);
    EXPECT_EQ(s.pointFactor, 30);
}

TEST(SwampGenerator, ChallengeEndsAndSeeds) {
    EXPECT_EQ(Generate(1, true).targetFrogs, 6);
    EXPECT_EQ(Generate(1, true).pointFactor, 30);
    EXPECT_EQ(Generate(150, true).targetFrogs, 36);
    EXPECT_EQ(Generate(150, true).pointFactor, 51);
    EXPECT_NE(Generate(7, true).board, Generate(7, false).board);
}

TEST(SwampGenerator, SameNumberSameSwamp) {
    for (const int n : {0, 1, 16665, 16666, 33332, 49999, 50000}) {
        const GeneratedSwamp a = Generate(n, false);
        const GeneratedSwamp b = Generate(n, false);
        EXPECT_EQ(a.board, b.board) << n;
        EXPECT_EQ(a.swampValue, b.swampValue) << n;
    }
}

TEST(SwampGenerator, EverySwampIsSolvableAndInItsBand) {
    for (int n = 1; n <= 150; ++n) CheckSwamp(n, true);
    for (int n = 0; n <= 50000; ++n) {
        CheckSwamp(n, false);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace grumbolt
