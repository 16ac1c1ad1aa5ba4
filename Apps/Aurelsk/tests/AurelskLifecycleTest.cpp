// Starting and stopping the game again and again leaves nothing of it behind in the shell.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Aurelsk/tests/AurelskSession.h"
#include "harness/ShellFootprint.h"

namespace aurelsk::test {
namespace {

// One run, left on one of its screens.
void RunOnce(AurelskSession& session, int run) {
    ASSERT_TRUE(session.Start());
    switch (run % 5) {
        case 0:  // stopped mid-dive, a torpedo in flight and an arrow held
            session.DiveIn();
            session.KeyDown(kDown);
            session.Wait(1000);
            session.Key(kSpace);
            session.Wait(100);
            session.KeyUp(kDown);
            break;
        case 1: session.Wait(200); break;
        case 2: session.Harness().ShowInstructions(); break;
        case 3:
            for (const char key : std::string("PLUMTAG")) session.Key(key);
            break;
        default:
            for (const char key : std::string("KELPWHIRL")) session.Key(key);
            break;
    }
    session.Wait(100);
    session.Stop();
}

TEST(AurelskLifecycle, AHundredStartsAndStopsLeaveNothingBehind) {
    AurelskSession session;
    ExpectRunsLeaveNothing(AURELSK_GAM, 5, [&](int run) { RunOnce(session, run); });
}

}  // namespace
}  // namespace aurelsk::test
