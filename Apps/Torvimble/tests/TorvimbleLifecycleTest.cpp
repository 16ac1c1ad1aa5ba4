// Starting and stopping the game again and again, on every screen and in the middle of hands,
// leaves nothing of it behind in the shell.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Torvimble/tests/TorvimbleSession.h"
#include "harness/ShellFootprint.h"

namespace torvimble::test {
namespace {

void RunOnce(TorvimbleSession& session, int run) {
    ASSERT_TRUE(session.Start());
    switch (run % 6) {
        case 0:
            session.ChooseBlackjack();
            session.Press(layout::kBlackjackBets[0]);
            break;
        case 1:
            session.ChooseInBetween();
            session.PressAction(layout::kDeal);
            break;
        case 2:
            session.ChoosePoker();
            session.PressAction(layout::kDeal);
            break;
        case 3: session.Harness().ShowInstructions(); break;
        case 4:
            for (const char key : std::string("PLUMTAG")) session.Key(key);
            break;
        default:
            for (const char key : std::string("MOSSBRICK")) session.Key(key);
            break;
    }
    session.Wait(200);
    session.Stop();
}

TEST(TorvimbleLifecycle, AHundredStartsAndStopsLeaveNothingBehind) {
    TorvimbleSession session;
    ExpectRunsLeaveNothing(TORVIMBLE_GAM, 6, [&](int run) { RunOnce(session, run); });
}

}  // namespace
}  // namespace torvimble::test
