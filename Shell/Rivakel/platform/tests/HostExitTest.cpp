// Every exit of the process runs what the program registered first (it stops its session in
// order there); an exit asked for while that runs, or from another thread, ends the process at
// once, so nothing runs twice or over what is half torn down.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/Host.h"

namespace {

// Static destructors print this: they run on an orderly exit only.
struct SaysAtExit {
    ~SaysAtExit() { std::fputs("[static destructors]", stderr); }
};

void ExitWith(const std::function<void()>& action, const std::function<void()>& exit) {
    static SaysAtExit says;
    platform::SetBeforeExit(action);
    exit();
}

TEST(HostExit, TheRegisteredActionRunsOnceBeforeTheExitHooks) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(ExitWith([] { std::fputs("[action]", stderr); }, [] { platform::ExitProcess(-1); }),
                ::testing::ExitedWithCode(255), "^\\[action\\]\\[static destructors\\]$");
}

TEST(HostExit, AnExitFromInsideTheActionEndsAtOnceWithItsCode) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto action = [] {
        std::fputs("[action]", stderr);
        platform::ExitProcess(3);
    };
    EXPECT_EXIT(ExitWith(action, [] { platform::ExitProcess(-1); }), ::testing::ExitedWithCode(3), "^\\[action\\]$");
}

TEST(HostExit, AnExitFromAnotherThreadSkipsTheActionAndTheExitHooks) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto fromThread = [] {
        std::thread other([] { platform::ExitProcess(4); });
        other.join();
    };
    EXPECT_EXIT(ExitWith([] { std::fputs("[action]", stderr); }, fromThread), ::testing::ExitedWithCode(4), "^$");
}

}  // namespace
