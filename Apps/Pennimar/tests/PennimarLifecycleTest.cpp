// Starting and stopping the game again and again leaves nothing of it behind in the shell, and a
// module without its pictures, sounds and texts still plays.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Pennimar/tests/PennimarSession.h"
#include "harness/ShellFootprint.h"
#include "platform/Platform.h"

namespace pennimar::test {
namespace {

// One run, left on one of its screens.
void RunOnce(PennimarSession& session, int run) {
    ASSERT_TRUE(session.Start());
    switch (run % 4) {
        case 0:  // stopped with fence half laid and the animals about
            session.ChooseLevel(0);
            session.Key(kSpace);
            session.KeyDown(platform::VkShift);
            session.HoldKey(platform::VkUp, 300);
            session.KeyUp(platform::VkShift);
            break;
        case 1:  // a hard farm, with its enemies, under the day's panel
            session.ChooseLevel(4);
            session.Wait(300);
            break;
        case 2: session.Harness().ShowInstructions(); break;
        default:
            for (const char key : std::string("PLUMTAG")) session.Key(key);
            break;
    }
    session.Wait(100);
    session.Stop();
}

TEST(PennimarLifecycle, AHundredStartsAndStopsLeaveNothingBehind) {
    PennimarSession session;
    ExpectRunsLeaveNothing(PENNIMAR_GAM, 4, [&](int run) { RunOnce(session, run); });
}

TEST(PennimarLifecycle, WithoutItsResourcesTheGameStillPlays) {
    PennimarSession session;
    ASSERT_TRUE(session.Start(PENNIMAR_BARE_GAM));
    session.ChooseLevel(4);
    session.Key(kSpace);
    session.KeyDown(platform::VkShift);
    session.HoldKey(platform::VkUp, 1000);
    session.KeyUp(platform::VkShift);
    session.Wait(3000);
    session.Stop();
}

}  // namespace
}  // namespace pennimar::test
