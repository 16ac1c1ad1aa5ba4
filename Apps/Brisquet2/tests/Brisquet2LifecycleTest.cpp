// Starting and stopping the game again and again leaves nothing of it behind in the shell.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Brisquet2/tests/Brisquet2Bot.h"
#include "Apps/Brisquet2/tests/Brisquet2View.h"
#include "harness/ShellFootprint.h"

namespace brisquet2::test {
namespace {

// One run, left on one of its screens.
void RunOnce(Brisquet2Session& session, int run) {
    ASSERT_TRUE(session.Start());
    switch (run % 5) {
        case 0:  // stopped while a group pops and the bubbles above it fall
            session.StartBreaking();
            session.Click(10 + 16, 12 + 300);
            session.Wait(450);
            break;
        case 1:
            // Every 25th run is stopped during the celebration, its panel up; the others while a
            // random puzzle's group pops.
            if (run % 25 == 1) {
                session.SetValue("Guest - Level", "150");
                session.Stop();
                ASSERT_TRUE(session.Start());
                session.StartBreaking();
                std::string error;
                Brisquet2Bot(session).Solve(&error);
                session.SetValue("Guest - Level", "1");
            } else {
                session.ChooseEasy();
                session.Click(10 + 16, 12 + 300);
            }
            break;
        case 2: session.Harness().ShowInstructions(); break;
        case 3:
            for (const char key : std::string("PLUMTAG")) session.Key(key);
            break;
        default: session.ChooseHard(); break;
    }
    session.Wait(100);
    session.Stop();
}

TEST(Brisquet2Lifecycle, AHundredStartsAndStopsLeaveNothingBehind) {
    Brisquet2Session session;
    ExpectRunsLeaveNothing(BRISQUET2_GAM, 5, [&](int run) { RunOnce(session, run); });
}

}  // namespace
}  // namespace brisquet2::test
