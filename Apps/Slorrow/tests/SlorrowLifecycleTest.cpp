// Starting and stopping the game again and again leaves nothing of it behind in the shell.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Slorrow/tests/SlorrowSession.h"
#include "harness/ShellFootprint.h"

namespace slorrow::test {
namespace {

// One run, left on one of its screens.
void RunOnce(SlorrowSession& session, int run) {
    ASSERT_TRUE(session.Start());
    switch (run % 5) {
        case 0:  // on the selection
            session.ChooseOnePlayer();
            session.SwitchSides();
            break;
        case 1:  // stopped while the candidates drop in
            session.ChooseOnePlayer();
            session.Fight();
            session.Wait(300);
            break;
        case 2:  // stopped with a ball in the air
            session.ChooseTwoPlayers();
            session.Fight();
            session.Wait(3000);
            session.Throw({250, 100}, 600);
            session.Wait(200);
            break;
        case 3:
            for (const char key : std::string("PLUMTAG")) session.Key(key);
            break;
        default:
            session.ChooseOnePlayer();
            session.Fight();
            session.Wait(8000);
            break;
    }
    session.Wait(100);
    session.Stop();
}

TEST(SlorrowLifecycle, AHundredStartsAndStopsLeaveNothingBehind) {
    SlorrowSession session;
    ExpectRunsLeaveNothing(SLORROW_GAM, 5, [&](int run) { RunOnce(session, run); });
}

}  // namespace
}  // namespace slorrow::test
