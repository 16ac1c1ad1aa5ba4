#include "platform/posix/ForkedBox.h"

#include <pthread.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <atomic>
#include <memory>

namespace platform {
namespace {

// Shared with the forks: the box's process says who it is, this one says the box must go.
struct Shared {
    std::atomic<pid_t> child;
    std::atomic<bool> ending;
};
static_assert(std::atomic<pid_t>::is_always_lock_free && std::atomic<bool>::is_always_lock_free,
              "the atomics work across processes only without locks");

std::atomic<Shared*> g_shared = nullptr;
std::atomic<bool> g_armed = false;
pthread_t g_thread{};
pid_t g_parent = 0;

// Runs in every child just after the fork; only the system calls a fork of a threaded process
// may make.
void InChild() {
    if (!g_armed.load() || !pthread_equal(pthread_self(), g_thread)) return;
    struct sigaction plain {};
    plain.sa_handler = SIG_DFL;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &plain, nullptr);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != g_parent) ::_exit(1);
    Shared* shared = g_shared.load();
    shared->child.store(::getpid());
    if (shared->ending.load()) ::_exit(1);
}

bool Prepare() {
    static const bool ready = [] {
        void* page = ::mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
        if (page == MAP_FAILED) return false;
        g_shared = std::construct_at(static_cast<Shared*>(page));
        return ::pthread_atfork(nullptr, nullptr, InChild) == 0;
    }();
    return ready;
}

}  // namespace

ForkedBoxScope::ForkedBoxScope() {
    if (!Prepare()) return;
    g_shared.load()->child.store(0);
    g_shared.load()->ending.store(false);
    g_thread = pthread_self();
    g_parent = ::getpid();
    g_armed.store(true);
}

ForkedBoxScope::~ForkedBoxScope() {
    g_armed.store(false);
    if (Shared* shared = g_shared.load()) shared->child.store(0);
}

void EndForkedBox() {
    Shared* shared = g_shared.load();
    if (shared == nullptr) return;
    shared->ending.store(true);
    if (const pid_t child = shared->child.load(); child > 0) ::kill(child, SIGKILL);
}

}  // namespace platform
