// Starting and stopping the game again and again leaves nothing of it behind in the shell.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Glimtide/tests/GlimtideSession.h"
#include "harness/ShellFootprint.h"

namespace glimtide::test {
namespace {

// One run, left on one of its screens.
void RunOnce(GlimtideSession& session, int run) {
    ASSERT_TRUE(session.Start());
    switch (run % 5) {
        case 0:  // stopped while rockets fly and a panel is up
            session.ChooseEasy();
            session.Key(kSpace);
            session.Wait(3000);
            break;
        case 1: session.ChooseShow(); session.Wait(4000); break;
        case 2: session.Harness().ShowInstructions(); break;
        case 3:
            for (const char key : std::string("PLUMTAG")) session.Key(key);
            break;
        default:
            for (const char key : std::string("MOSSBRICK")) session.Key(key);
            break;
    }
    session.Wait(100);
    session.Stop();
}

TEST(GlimtideLifecycle, AHundredStartsAndStopsLeaveNothingBehind) {
    GlimtideSession session;
    ExpectRunsLeaveNothing(GLIMTIDE_GAM, 5, [&](int run) { RunOnce(session, run); });
}

}  // namespace
}  // namespace glimtide::test
