// Starting and stopping the game again and again leaves nothing of it behind in the shell.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Common/harness/ShellFootprint.h"
#include "Apps/Glimtide/tests/GlimtideSession.h"

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
    // The shell's own caches (fonts, pens) fill on the first runs and are kept.
    for (int run = 0; run < 5; ++run) RunOnce(session, run);
    const ShellFootprint before(GLIMTIDE_GAM);
    EXPECT_EQ(before.moduleMappings, 0);
    for (int run = 0; run < 100; ++run) RunOnce(session, run);
    const ShellFootprint after(GLIMTIDE_GAM);
    EXPECT_EQ(after.shellObjects, before.shellObjects);
    EXPECT_EQ(after.interfaceObjects, before.interfaceObjects);
    EXPECT_EQ(after.timers, before.timers);
    EXPECT_EQ(after.events, before.events);
    EXPECT_EQ(after.openFiles, before.openFiles);
    EXPECT_EQ(after.moduleMappings, 0);
}

}  // namespace
}  // namespace glimtide::test
