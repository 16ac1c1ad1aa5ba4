// A game's test binary runs portal tests and harness tests in one process: what a closed portal
// leaves behind must not hold the games the harness starts after it.
#include <gtest/gtest.h>

#include <vector>

#include "harness/GameSession.h"
#include "harness/PortalSession.h"

namespace {

class PortalThenHarness : public PortalSession {};

std::vector<uint32_t> Row(const GameDriver& game) {
    std::vector<uint32_t> pixels;
    for (int x = 0; x < 500; x += 4) pixels.push_back(game.Pixel(x, 200));
    return pixels;
}

TEST_F(PortalThenHarness, AGameInTheHarnessStillTicksAfterThePortalEnded) {
    StartWithGame(SHELL_TEST_GAME);
    test_portal::End();

    GameSession game("ShellTestGame", SHELL_TEST_GAME);
    ASSERT_TRUE(game.Start());
    const std::vector<uint32_t> before = Row(game);
    game.Wait(200);
    EXPECT_NE(Row(game), before);
}

}  // namespace
