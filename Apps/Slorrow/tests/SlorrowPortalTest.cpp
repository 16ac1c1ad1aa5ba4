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

// The game shows no box of its own; the duel is the one place the portal asks before closing:
// declined, the duel goes on and the turn passes; accepted, the game stops. Elsewhere it closes
// without asking.
TEST_F(SlorrowPortalTest, ClosingThePortalAsksOnlyDuringTheDuel) {
    MakeInstalledWithTheGuest();
    StartWithGame(SLORROW_GAM);
    ASSERT_TRUE(OnTitle());
    ChooseTwoPlayers();
    Fight();
    ASSERT_TRUE(AwaitTurnArrow(10000).has_value());
    ExpectPress("IDD_QUIT_*", kIdLater);
    headless_->PushClose();
    Wait(100);
    EXPECT_FALSE(test_portal::SessionStopping());
    const std::optional<Point> arrow = AwaitTurnArrow(3000);
    ASSERT_TRUE(arrow.has_value());
    Throw({arrow->x + (arrow->x < 250 ? 60 : -60), arrow->y - 80}, 500);
    EXPECT_TRUE(AwaitTurnArrow(10000).has_value());
    ExpectPress("IDD_QUIT_*", kIdAccept);
    headless_->PushClose();
    Wait(100);
    EXPECT_TRUE(test_portal::SessionStopping());
    test_portal::End();

    MakeInstalledWithTheGuest();
    StartWithGame(SLORROW_GAM);
    ASSERT_TRUE(OnTitle());
    headless_->PushClose();
    Wait(100);
    EXPECT_TRUE(test_portal::SessionStopping());
}

}  // namespace
}  // namespace slorrow::test
