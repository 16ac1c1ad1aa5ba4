// Starting and stopping the game again and again leaves nothing of it behind: no shell object,
// interface object, timer or event, no open file and no mapping of its module.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "Games/Dunmoro/tests/DunmoroSession.h"
#include "core/base/CSubsystem_Clock.h"
#include "core/base/RefCounted.h"
#include "core/graphics/CSubsystem_Event.h"
#include "frame/boundary/InterfaceObject.h"

namespace dunmoro::test {
namespace {

struct Footprint {
    int shellObjects = CRefCounted::LiveCount();
    int interfaceObjects = LiveInterfaceObjects();
    size_t timers = ClockService()->TimerCount();
    size_t events = EventService()->EventCount();
    int openFiles = 0;
    int moduleMappings = 0;

    Footprint() {
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++openFiles;
        std::ifstream maps("/proc/self/maps");
        const std::string module = std::filesystem::path(DUNMORO_GAM).filename().string();
        for (std::string line; std::getline(maps, line);)
            if (line.find(module) != std::string::npos) ++moduleMappings;
    }
};

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
    // The shell's own caches (fonts, pens) fill on the first runs and are kept.
    for (int run = 0; run < 4; ++run) RunOnce(session, run);
    const Footprint before;
    EXPECT_EQ(before.moduleMappings, 0);
    for (int run = 0; run < 100; ++run) RunOnce(session, run);
    const Footprint after;
    EXPECT_EQ(after.shellObjects, before.shellObjects);
    EXPECT_EQ(after.interfaceObjects, before.interfaceObjects);
    EXPECT_EQ(after.timers, before.timers);
    EXPECT_EQ(after.events, before.events);
    EXPECT_EQ(after.openFiles, before.openFiles);
    EXPECT_EQ(after.moduleMappings, 0);
}

}  // namespace
}  // namespace dunmoro::test
