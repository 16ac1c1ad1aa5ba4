// Starting and stopping the game again and again leaves nothing of it behind in the shell.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Grumbolt/tests/GrumboltBot.h"
#include "harness/ShellFootprint.h"

namespace grumbolt::test {
namespace {

// One run, left on one of its screens.
void RunOnce(GrumboltSession& session, int run) {
    ASSERT_TRUE(session.Start());
    switch (run % 5) {
        case 0: {  // stopped mid-leap, with a frog sinking
            session.PlayChallenge();
            GrumboltBot bot(session);
            const auto jumps = SolveSwamp(bot.Read());
            if (jumps && jumps->size() > 1) {
                bot.Play({jumps->front()});
                bot.Play({(*jumps)[1]}, false);
            }
            session.Wait(300);
            break;
        }
        case 1: session.ChooseHard(); session.Wait(300); break;
        case 2: session.Harness().ShowInstructions(); break;
        case 3:
            for (const char key : std::string("PLUMTAG")) session.Key(key);
            break;
        default: session.Wait(500); break;
    }
    session.Wait(100);
    session.Stop();
}

TEST(GrumboltLifecycle, AHundredStartsAndStopsLeaveNothingBehind) {
    GrumboltSession session;
    ExpectRunsLeaveNothing(GRUMBOLT_GAM, 5, [&](int run) { RunOnce(session, run); });
}

}  // namespace
}  // namespace grumbolt::test
