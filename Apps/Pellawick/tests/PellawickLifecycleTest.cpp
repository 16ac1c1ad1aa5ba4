// Starting and stopping the game again and again leaves nothing of it behind in the shell.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Pellawick/tests/PellawickSession.h"
#include "harness/ShellFootprint.h"

namespace pellawick::test {
namespace {

// One run, left on one of its screens.
void RunOnce(PellawickSession& session, int run) {
    ASSERT_TRUE(session.Start());
    switch (run % 5) {
        case 0:  // stopped mid-play, with food in the air
            session.PlayBall();
            session.Key(kSpace);
            session.HoldKey(kLeftKey, 40);
            session.Wait(400);
            break;
        case 1:  // stopped on the big stadium's intro
            session.PlayBall();
            for (int inning = 0; inning < 9; ++inning) {
                session.Key(kSpace);
                session.Key('P');
            }
            session.Key(kSpace);
            session.Key('P');
            session.Key(kSpace);
            break;
        case 2: session.Harness().ShowInstructions(); break;
        case 3:
            for (const char key : std::string("PLUMTAG")) session.Key(key);
            break;
        default: break;  // on the title
    }
    session.Wait(100);
    session.Stop();
}

TEST(PellawickLifecycle, AHundredStartsAndStopsLeaveNothingBehind) {
    PellawickSession session;
    ExpectRunsLeaveNothing(PELLAWICK_GAM, 5, [&](int run) { RunOnce(session, run); });
}

}  // namespace
}  // namespace pellawick::test
