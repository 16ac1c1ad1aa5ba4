// The duel's screen in the test's own process with the game's pictures but its hills: nothing to
// stand on, so the first candidate drops off the bottom and the other wins.
#include <gtest/gtest.h>

#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Slorrow/DuelScreen.h"
#include "Apps/Slorrow/SlorrowApplet.h"
#include "harness/InProcessResources.h"
#include "harness/InProcessSession.h"

namespace slorrow {
namespace {

TEST(SlorrowDuelScreen, WithoutHillsTheFirstCandidateFallsOffAndTheOtherWins) {
    InProcessResources resources(SLORROW_GAM, {"img-hill01-335x305.gif", "img-hill02-332x354.gif", "img-hill03-217x381.gif",
                                               "img-hill04-343x353.gif", "img-hill05-217x301.gif", "img-hill06-281x306.gif"});
    ASSERT_TRUE(resources.Loaded());
    InProcessSession session;
    {
        CSlorrowApplet game(&session.Record());
        game.SetScreen(game.Screen(), nullptr);
        auto* duel = new CDuelScreen(game, 1);
        game.SetScreen(nullptr, duel);
        for (int second = 0; second < 20 && duel->Model().State() != DuelState::Over; ++second) session.Wait(1000);
        EXPECT_EQ(duel->Model().State(), DuelState::Over);
        EXPECT_EQ(duel->Model().Winner(), Side::Right);
        EXPECT_FALSE(duel->Model().Get(Side::Left).Shown());
    }
    Globals() = {};
}

}  // namespace
}  // namespace slorrow
