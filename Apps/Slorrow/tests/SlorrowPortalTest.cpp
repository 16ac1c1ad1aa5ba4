// Slorrow in the real portal on the headless backend, launched as the Games page launches it:
// a person's throw passes the turn, and a game chosen again starts a fresh duel.
#include <gtest/gtest.h>

#include "Apps/Slorrow/tests/SlorrowSession.h"
#include "harness/PortalSession.h"

namespace slorrow::test {
namespace {

class SlorrowPortalTest : public PortalSession, public SlorrowView {};

TEST_F(SlorrowPortalTest, AThrowInATwoPlayerDuelPassesTheTurnToTheOtherSide) {
    MakeInstalledWithTheGuest();
    StartWithGame(SLORROW_GAM);
    ASSERT_TRUE(OnTitle());
    ChooseTwoPlayers();
    ASSERT_TRUE(OnSelection());
    Fight();
    ASSERT_TRUE(OnDuel());
    const std::optional<Point> first = AwaitTurnArrow(10000);
    ASSERT_TRUE(first.has_value());
    // Thrown up and toward the middle: it lands or leaves, and the rival gets the arrow.
    const int toward = first->x < 250 ? 60 : -60;
    Throw({first->x + toward, first->y - 80}, 800);
    EXPECT_FALSE(TurnArrow().has_value());
    const std::optional<Point> second = AwaitTurnArrow(10000);
    ASSERT_TRUE(second.has_value());
    EXPECT_GT(std::abs(second->x - first->x), 100);
}

}  // namespace
}  // namespace slorrow::test
