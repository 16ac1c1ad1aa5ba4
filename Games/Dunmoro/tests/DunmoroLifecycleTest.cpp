// Starting and stopping the game again and again leaves nothing of it behind: no shell object,
// interface object, timer or event, no open file and no mapping of its module.
#include <gtest/gtest.h>

#include <string>

#include "Games/Dunmoro/tests/DunmoroSession.h"
#include "harness/ShellFootprint.h"

namespace dunmoro::test {
namespace {

// One run, left on one of its screens.
void RunOnce(DunmoroSession& session, int run) {
    ASSERT_TRUE(session.Start());
    switch (run % 4) {
        case 0: session.StartTheGame(); break;                // stopped in play
        case 1: session.ModeButton(); break;                  // on the mode screen
        case 2: session.Harness().ShowInstructions(); break;  // on the help page
        default:
            for (const char key : std::string("PLUMTAG")) session.Harness().Key(key);
            break;
    }
    session.Wait(200);
    session.Stop();
}

TEST(DunmoroLifecycle, AHundredStartsAndStopsLeaveNothingBehind) {
    DunmoroSession session;
    ExpectRunsLeaveNothing(DUNMORO_GAM, 4, [&](int run) { RunOnce(session, run); });
}

}  // namespace
}  // namespace dunmoro::test
