// What a game can leave behind in the shell's process, counted at one moment: shell objects,
// interface objects, timers, events, open files and mappings of the game's module. Two
// footprints around any number of starts and stops of a game must be equal.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/RefCounted.h"
#include "core/graphics/CSubsystem_Event.h"
#include "frame/boundary/InterfaceObject.h"

struct ShellFootprint {
    explicit ShellFootprint(const std::string& modulePath) {
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++openFiles;
        std::ifstream maps("/proc/self/maps");
        const std::string module = std::filesystem::path(modulePath).filename().string();
        for (std::string line; std::getline(maps, line);)
            if (line.find(module) != std::string::npos) ++moduleMappings;
    }

    int shellObjects = CRefCounted::LiveCount();
    int interfaceObjects = LiveInterfaceObjects();
    size_t timers = ClockService() != nullptr ? ClockService()->TimerCount() : 0;
    size_t events = EventService() != nullptr ? EventService()->EventCount() : 0;
    int openFiles = 0;
    int moduleMappings = 0;
};

// A hundred runs of a game (`runOnce(run)` starts it, leaves it on some screen and stops it) leave
// the footprint as it was after the first `warmUp` runs, which fill the shell's own caches.
inline void ExpectRunsLeaveNothing(const std::string& modulePath, int warmUp, const std::function<void(int)>& runOnce) {
    for (int run = 0; run < warmUp; ++run) runOnce(run);
    const ShellFootprint before(modulePath);
    EXPECT_EQ(before.moduleMappings, 0);
    for (int run = 0; run < 100; ++run) runOnce(run);
    const ShellFootprint after(modulePath);
    EXPECT_EQ(after.shellObjects, before.shellObjects);
    EXPECT_EQ(after.interfaceObjects, before.interfaceObjects);
    EXPECT_EQ(after.timers, before.timers);
    EXPECT_EQ(after.events, before.events);
    EXPECT_EQ(after.openFiles, before.openFiles);
    EXPECT_EQ(after.moduleMappings, 0);
}
