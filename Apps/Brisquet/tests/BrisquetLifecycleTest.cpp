// Starting and stopping the game again and again leaves nothing of it behind in the shell.
#include <gtest/gtest.h>

#include "Apps/Brisquet/tests/BrisquetView.h"
#include "harness/ShellFootprint.h"

namespace brisquet::test {
namespace {

// One run, left on one of its screens.
void RunOnce(BrisquetSession& session, int run) {
    ASSERT_TRUE(session.Start());
    switch (run % 5) {
        case 0:  // stopped while a group pops and the bubbles above it fall
            session.ChooseBeginner();
            session.Click(CellX(0) + 16, CellY(9) + 16);
            session.Wait(120);
            break;
        case 1:  // on the title, its ring turning
            session.ClickBothDemoBubbles();
            session.Wait(450);
            break;
        case 2: session.Harness().ShowInstructions(); break;
        case 3:  // a black bubble's blast
            session.ChooseAdvanced();
            session.Click(CellX(0) + 16, CellY(9) + 16);
            session.Wait(100);
            break;
        default: session.Wait(1100); break;  // the demo's bubbles falling
    }
    session.Wait(100);
    session.Stop();
}

TEST(BrisquetLifecycle, AHundredStartsAndStopsLeaveNothingBehind) {
    BrisquetSession session;
    ExpectRunsLeaveNothing(BRISQUET_GAM, 5, [&](int run) { RunOnce(session, run); });
}

}  // namespace
}  // namespace brisquet::test
