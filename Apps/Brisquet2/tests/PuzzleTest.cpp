#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "Apps/Brisquet2/DifficultyTable.h"
#include "Apps/Brisquet2/Puzzle.h"
#include "Apps/Brisquet2/tests/ShellRandomDouble.h"

namespace brisquet2 {
namespace {

Puzzle Make(int number, bool challenge) {
    test::ShellRandomDouble random;
    return MakePuzzle(number, challenge, random.Random());
}

// Pops the groups from the last placed to the first, as a player who knew the recipe would.
bool ClearsInReverseOrder(const Puzzle& puzzle) {
    CBubbleBoard board = puzzle.board;
    // The group numbers travel with their bubbles in a second board (1 marks a transparent one).
    CBubbleBoard keys(kBoardColumns, kBoardRows);
    int highest = 0;
    for (int c = 0; c < kBoardColumns; ++c) {
        for (int r = 0; r < kBoardRows; ++r) {
            const int key = puzzle.groupKeys[static_cast<size_t>(c * kBoardRows + r)];
            keys.Set(c, r, key < 0 ? 1 : key + 1);
            highest = std::max(highest, key);
        }
    }
    const auto find = [&](int key, BubbleCell& at) {
        for (int c = 0; c < kBoardColumns; ++c)
            for (int r = 0; r < kBoardRows; ++r)
                if (keys.At(c, r) == key + 1) return at = {c, r}, true;
        return false;
    };
    for (int key = highest; key >= 1; --key) {
        for (BubbleCell at; find(key, at);) {
            const auto group = board.MarkGroup(at.column, at.row, kBrisquet2Rules);
            if (group.empty()) return false;
            board.Remove(group);
            keys.Remove(group);
            for (const auto& fall : board.Settle()) board.Land(fall.column, fall.toRow);
            for (const auto& fall : keys.Settle()) keys.Land(fall.column, fall.toRow);
        }
    }
    return board.Evaluate(kBrisquet2Rules) == BubbleBoardState::Solved;
}

TEST(ShellRandomDouble, GivesTheShellsSequence) {
    test::ShellRandomDouble random;
    const ShellRandom shell = random.Random();
    shell.seed(1);
    EXPECT_EQ(shell.rand(), 41);
    EXPECT_EQ(shell.rand(), 18467);
    EXPECT_EQ(shell.rand(), 6334);
}

TEST(DifficultyTable, RecordsAndPoints) {
    const int minGroups[] = {20, 16, 14, 12, 10, 8, 6, 16, 14, 12, 10, 9, 8, 7, 6};
    const int points[] = {125, 150, 175, 225, 275, 325, 400, 500, 600, 725, 875, 1075, 1325, 1625, 2000};
    const DifficultyTable& table = InitLevelTable();
    for (int i = 0; i < kDifficultyRecords; ++i) {
        EXPECT_EQ(table[i].minGroup, minGroups[i]) << i;
        EXPECT_EQ(table[i].groupRange, 1) << i;
        EXPECT_EQ(table[i].mirror, i < 7) << i;
        EXPECT_EQ(table[i].points, points[i]) << i;
    }
}

TEST(DifficultyTable, RecordIndexStaysInsideTheTable) {
    struct Case {
        int number;
        bool challenge;
        int index;
    };
    const Case cases[] = {{1, true, 0},      {10, true, 0},       {11, true, 1},        {150, true, 14},
                          {151, true, 14},   {66663, true, 14},   {-3, true, 0},        {0, false, 0},
                          {1, false, 0},     {3334, false, 0},    {3335, false, 1},    {50000, false, 14},   {66663, false, 14},
                          {2147483647, false, 14}, {-2147483647 - 1, false, 0}};
    for (const Case& c : cases) EXPECT_EQ(RecordIndex(c.number, c.challenge), c.index) << c.number;
}

void ExpectFullBoard(const Puzzle& puzzle, int number) {
    int coloured = 0;
    for (int c = 0; c < kBoardColumns; ++c) {
        for (int r = 0; r < kBoardRows; ++r) {
            const int kind = puzzle.board.At(c, r);
            const bool hole = c >= 5 && c <= 9 && r >= 6;
            ASSERT_EQ(kind == kTransparentKind, hole) << number << " at " << c << "," << r;
            if (!hole) {
                ASSERT_GE(kind, 1) << number;
                ASSERT_LE(kind, 4) << number;
                ++coloured;
            }
        }
    }
    EXPECT_EQ(coloured, 130) << number;
}

void ExpectMirrored(const Puzzle& puzzle, int number) {
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < kBoardRows; ++r) ASSERT_EQ(puzzle.board.At(c, r), puzzle.board.At(14 - c, r)) << number;
}

// Every challenge puzzle and a spread of the others: full, the holes in place, mirrored where the
// record says, and solvable.
TEST(MakePuzzle, BoardsAreFullMirroredAndSolvable) {
    std::vector<std::pair<int, bool>> numbers;
    for (int n = 1; n <= kChallengePuzzles; ++n) numbers.emplace_back(n, true);
    for (int n = 0; n <= kHighestPuzzle; n += 499) numbers.emplace_back(n, false);
    for (const auto& [number, challenge] : numbers) {
        const Puzzle puzzle = Make(number, challenge);
        ExpectFullBoard(puzzle, number);
        if (RecordFor(number, challenge).mirror) ExpectMirrored(puzzle, number);
        EXPECT_LT(puzzle.rounds, kEasingRound) << number;
        EXPECT_TRUE(ClearsInReverseOrder(puzzle)) << number << (challenge ? " challenge" : "");
    }
}

uint64_t Fingerprint(const CBubbleBoard& board) {
    uint64_t hash = 14695981039346656037ull;
    for (const int kind : board.Cells()) hash = (hash ^ static_cast<uint64_t>(kind)) * 1099511628211ull;
    return hash;
}

// Players trade puzzle numbers: a change to the generator's draws or their order must not pass
// unnoticed. The fingerprints were taken when the generator was first built.
TEST(MakePuzzle, BoardsStayTheSameFromBuildToBuild) {
    struct Case {
        int number;
        bool challenge;
        uint64_t fingerprint;
    };
    const Case cases[] = {
        {1, true, 0x281fdd16a7182177ull},
        {50, true, 0x1cd170c56638a393ull},
        {77, true, 0xb55dc52462ef37c6ull},
        {150, true, 0x9e4705ba6b761b9cull},
        {0, false, 0x78549f78e922fbd9ull},
        {1, false, 0xee213c00534c346full},
        {12345, false, 0xf5e17f0ef6c03f30ull},
        {33333, false, 0xcc9f5ff5035cfea6ull},
        {49998, false, 0x0bdd826e5abec379ull},
        {50000, false, 0xc9caeda1ede28564ull},
    };
    for (const Case& c : cases) EXPECT_EQ(Fingerprint(Make(c.number, c.challenge).board), c.fingerprint) << c.number;
}

TEST(MakePuzzle, ANumberGivesOneBoardAndTheModesDiffer) {
    for (const int number : {1, 77, 150}) {
        EXPECT_EQ(Make(number, true).board.Cells(), Make(number, true).board.Cells()) << number;
        EXPECT_NE(Make(number, true).board.Cells(), Make(number, false).board.Cells()) << number;
    }
    EXPECT_EQ(Make(0, false).seed % kReseedStep, 0);
}

}  // namespace
}  // namespace brisquet2
