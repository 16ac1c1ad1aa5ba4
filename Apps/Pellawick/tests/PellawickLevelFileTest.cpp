// The game reads its level table from its folder when its own is missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Apps/Pellawick/tests/PellawickSession.h"

namespace pellawick::test {
namespace {

constexpr uint32_t kBoardGreen = 0x00CC66;

// Without its own level table the game reads the one in its folder. A Little League block with
// no patience is unplayable: the built-in league holds, one snack and ten seconds of patience,
// where the block's values would have asked three snacks and given up at once.
TEST(PellawickLevelFile, ADamagedLevelTablePlaysOnTheBuiltInLeague) {
    StoreTestFolder folder;
    const std::filesystem::path game = std::filesystem::path(folder.Path()) / "Pellawick.gam";
    std::filesystem::copy_file(PELLAWICK_BARE_GAM, game);
    std::ofstream(std::filesystem::path(folder.Path()) / "Levels_PWK.txt", std::ios::binary)
        << "// Level information file for Pellawick.\n// Little League\n"
           "5,\t// a\n0,\t// b\n20.0,\t// c\n2.0,\t// d\n3,\t// e\n9,\t// f\n100,\t// g\n200,\t// h\n";

    PellawickSession session;
    ASSERT_TRUE(session.Start(game.string()));
    session.PlayBall();
    ASSERT_NE(session.Panel(), PanelSeen::None);
    session.Key(kSpace);
    // The scoreboard covers the second and third snacks' keys: one snack is sold.
    EXPECT_EQ(session.Count(kBoardGreen, 110 + 198, 48, 110 + 220, 68), 22 * 20);
    EXPECT_EQ(session.Count(kBoardGreen, 110 + 245, 48, 110 + 267, 68), 22 * 20);
    session.Wait(12000);
    EXPECT_EQ(session.Panel(), PanelSeen::None) << "nobody has run out of patience yet";
    session.Wait(12000);
    EXPECT_EQ(session.Panel(), PanelSeen::Tall) << "the too-slow strike";
    session.Stop();
}

}  // namespace
}  // namespace pellawick::test
