// Starting and stopping the game again and again leaves nothing of it behind in the shell.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Vintrel/tests/VintrelSession.h"
#include "harness/ShellFootprint.h"

namespace vintrel::test {
namespace {

// One run, left on one of its screens.
void RunOnce(VintrelSession& session, int run) {
    ASSERT_TRUE(session.Start());
    switch (run % 5) {
        case 0:  // stopped mid-game with an arrow held and blobs splashing in
            session.ClickStart();
            session.Wait(kStartMs);
            session.KeyDown(kRight);
            session.Wait(1500);
            session.KeyUp(kRight);
            break;
        case 1:  // stopped during the start animation
            session.ClickStart();
            session.Wait(1000);
            break;
        case 2: session.Harness().ShowInstructions(); break;
        case 3:
            session.TypeCode("plumtag");
            session.Wait(500);
            break;
        default:
            session.TypeCode("QUARTZOVEN");
            session.ClickStart();
            session.Wait(kStartMs + 500);
            break;
    }
    session.Wait(100);
    session.Stop();
}

TEST(VintrelLifecycle, AHundredStartsAndStopsLeaveNothingBehind) {
    VintrelSession session;
    ExpectRunsLeaveNothing(VINTREL_GAM, 5, [&](int run) { RunOnce(session, run); });
}

}  // namespace
}  // namespace vintrel::test
