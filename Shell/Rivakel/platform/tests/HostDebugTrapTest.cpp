// The debug trap stops in an attached debugger and the program goes on afterwards; without one
// it does nothing. The "debugger" here is the test itself, tracing a child.
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>

#include "platform/Host.h"

namespace {

constexpr int kTrapped = 7;
constexpr int kNotTrapped = 8;
constexpr int kNoTracing = 9;

// Runs the trap in a traced child; `passOn` is the signal the tracer hands back at the stop.
// Returns how the child ended, or -1 when it never stopped at the trap.
int TrapUnderTracer(int passOn, bool* stoppedAtTrap) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) ::_exit(kNoTracing);
        std::raise(SIGSTOP);
        ::_exit(platform::DebugTrap() ? kTrapped : kNotTrapped);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    ::ptrace(PTRACE_CONT, child, nullptr, nullptr);
    *stoppedAtTrap = false;
    for (;;) {
        ::waitpid(child, &status, 0);
        if (WIFEXITED(status)) return WEXITSTATUS(status);
        if (WIFSIGNALED(status)) return -WTERMSIG(status);
        const int signal = WSTOPSIG(status);
        if (signal == SIGTRAP) *stoppedAtTrap = true;
        ::ptrace(PTRACE_CONT, child, nullptr, reinterpret_cast<void*>(static_cast<intptr_t>(
                                                         signal == SIGTRAP ? passOn : signal)));
    }
}

TEST(HostDebugTrap, StopsInTheDebuggerAndGoesOnWhetherTheTrapIsSwallowedOrPassedBack) {
    for (int passOn : {0, SIGTRAP}) {
        bool stopped = false;
        const int ended = TrapUnderTracer(passOn, &stopped);
        if (ended == kNoTracing) GTEST_SKIP() << "tracing is not allowed here";
        EXPECT_TRUE(stopped) << passOn;
        EXPECT_EQ(ended, kTrapped) << passOn;
    }
}

TEST(HostDebugTrap, DoesNothingWithoutADebugger) {
    ASSERT_FALSE(platform::DebuggerAttached());
    EXPECT_FALSE(platform::DebugTrap());
}

}  // namespace
