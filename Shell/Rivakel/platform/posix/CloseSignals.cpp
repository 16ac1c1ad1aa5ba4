// Termination signals as a close request: the handler only writes a byte to a pipe, a thread
// waiting on the pipe marks the request and wakes the main loop, and the loop then closes in
// order.
#include "platform/posix/CloseSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <thread>

#include "platform/Host.h"
#include "platform/posix/ForkedBox.h"

namespace platform {
namespace {

int g_pipeWrite = -1;
std::atomic<bool> g_requested = false;

void OnCloseSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a wake-up.
    const ssize_t written = ::write(g_pipeWrite, &byte, 1);
    static_cast<void>(written);
    errno = saved;
}

void WatchPipe(int pipeRead) {
    char bytes[64];
    for (;;) {
        const ssize_t got = ::read(pipeRead, bytes, sizeof bytes);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return;
        g_requested = true;
        // A box up before the window has a process of its own, where the loop cannot reach it.
        EndForkedBox();
        WakeBackend();
    }
}

}  // namespace

void CatchCloseSignals() {
    static std::once_flag once;
    std::call_once(once, [] {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) {
            DebugOutput("Rivakel: no pipe for the termination signals; they end the program at once\n");
            return;
        }
        // Only the handler's end must never block.
        ::fcntl(ends[1], F_SETFL, O_NONBLOCK);
        g_pipeWrite = ends[1];
        std::thread(WatchPipe, ends[0]).detach();
        struct sigaction action {};
        action.sa_handler = OnCloseSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
    });
}

bool TakeCloseSignal() { return g_requested.exchange(false); }

bool CloseSignalPending() { return g_requested.load(); }

}  // namespace platform
