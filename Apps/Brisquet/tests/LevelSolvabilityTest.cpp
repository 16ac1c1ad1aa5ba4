#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "Apps/Brisquet/BrisquetBoard.h"
#include "Apps/Brisquet/LevelFile.h"
#include "Apps/Common/ResourceFile.h"
#include "BrisquetSolver.h"
#include "harness/ModulePictures.h"

namespace brisquet {
namespace {

ModulePictures PackedResources() {
    std::ifstream in(BRISQUET_PACKED_RESOURCES, std::ios::binary);
    const std::vector<uint8_t> blob{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return ModulePictures::FromPacked(blob);
}

// Difficulty is the share of planless click orders that dead-end (DeadEndShare); the Beginner
// screens use three colours, Intermediate four, Advanced four and a black bubble that is needed.
TEST(BrisquetLevels, EveryPackedScreenCanBeClearedAndTheBandsGrowHarder) {
    const ModulePictures packed = PackedResources();
    ASSERT_TRUE(packed.Loaded());
    constexpr int kBands = 3;
    double deadEnds[kBands] = {};
    int kinds[kBands] = {};
    for (int screen = 1; screen <= kScreenCount; ++screen) {
        const int band = (screen - 1) / 10;
        // Found as the game asks for it.
        const std::optional<std::vector<uint8_t>> bytes = packed.Resource(LevelFileName(screen));
        ASSERT_TRUE(bytes) << "screen " << screen;
        CResourceFileOld file(*bytes);
        const std::optional<Level> level = ReadLevel(file);
        ASSERT_TRUE(level) << "screen " << screen;
        EXPECT_EQ(level->width, kMaxColumns);
        EXPECT_EQ(level->height, kMaxRows);
        EXPECT_FALSE(level->name.empty());
        EXPECT_FALSE(level->hints.empty());

        const BrisquetBoard board(*level, screen);
        BrisquetSolver solver(5000);
        EXPECT_TRUE(solver.Solve(board.Grid())) << "screen " << screen << (solver.GaveUp() ? " (gave up)" : "");
        const bool black = std::ranges::count(level->cells, kBlackKind) > 0;
        EXPECT_EQ(black, band == 2) << "screen " << screen;
        EXPECT_EQ(black && NeedsBlackBubbles(board.Grid(), 5000), black) << "screen " << screen;
        kinds[band] = std::max(kinds[band], std::ranges::max(level->cells));
        deadEnds[band] += DeadEndShare(board.Grid(), 100, static_cast<uint32_t>(screen)) / 10;
    }
    EXPECT_EQ(kinds[0], 3);
    EXPECT_EQ(kinds[1], 4);
    EXPECT_EQ(kinds[2], 5);
    EXPECT_LT(deadEnds[0] + 0.1, deadEnds[1]);
    EXPECT_LT(deadEnds[1] + 0.03, deadEnds[2]);
    RecordProperty("dead-end shares", std::to_string(deadEnds[0]) + " " + std::to_string(deadEnds[1]) + " " +
                                          std::to_string(deadEnds[2]));
}

}  // namespace
}  // namespace brisquet
