// The process: debug output, debugger probe, exit, identifiers and the system's name.
#include <fcntl.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/utsname.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <mutex>
#include <thread>

#include "platform/Host.h"
#include "platform/posix/FileDescriptor.h"

namespace platform {
namespace {

using posix::FileDescriptor;

// Reads the leading decimal digits of `text` from `pos`, advancing it; saturates instead of overflowing.
int ParseNumber(std::string_view text, size_t& pos) {
    int value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (value < 100000000) value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return value;
}

bool RandomBytes(uint8_t* out, size_t size) {
    size_t have = 0;
    while (have < size) {
        const ssize_t got = ::getrandom(out + have, size - have, 0);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        have += static_cast<size_t>(got);
    }
    return true;
}

}  // namespace

namespace {
std::atomic<bool> g_quiet = false;
}  // namespace

void SetDebugOutputQuiet(bool quiet) { g_quiet = quiet; }
bool DebugOutputQuiet() { return g_quiet; }

void DebugOutput(std::string_view text) {
    if (g_quiet) return;
    // Logging may come from worker threads; lines must not interleave.
    static std::mutex mutex;
    static FileDescriptor logFile = [] {
        const char* path = std::getenv("RIVAKEL_LOG");
        return FileDescriptor(path != nullptr && *path != '\0'
                                  ? ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600)
                                  : -1);
    }();
    std::lock_guard<std::mutex> lock(mutex);
    std::fwrite(text.data(), 1, text.size(), stderr);
    if (logFile.Valid()) {
        const ssize_t written = ::write(logFile.Get(), text.data(), text.size());
        static_cast<void>(written);  // nowhere left to report a failing log
    }
}

bool DebuggerAttached() {
    // A few dozen short lines.
    constexpr uint64_t kMaxStatusBytes = 64 * 1024;
    const auto status = ReadWholeFile("/proc/self/status", kMaxStatusBytes);
    if (!status) return false;
    const std::string_view text(reinterpret_cast<const char*>(status->data()), status->size());
    constexpr std::string_view kKey = "TracerPid:";
    size_t pos = text.find(kKey);
    if (pos == std::string_view::npos) return false;
    pos += kKey.size();
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    return ParseNumber(text, pos) != 0;
}

bool DebugTrap() {
    if (!DebuggerAttached()) return false;
    // A tracer that passes the signal on must not end the program with it.
    struct sigaction action {};
    action.sa_handler = [](int) {};
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGTRAP, &action, nullptr);
    std::raise(SIGTRAP);
    return true;
}

namespace {

struct BeforeExit {
    std::mutex lock;
    std::function<void()> action;
    std::thread::id owner;
    bool running = false;
};

BeforeExit& BeforeExitState() {
    static BeforeExit state;
    return state;
}

}  // namespace

void SetBeforeExit(std::function<void()> action) {
    BeforeExit& state = BeforeExitState();
    const std::lock_guard<std::mutex> hold(state.lock);
    state.action = std::move(action);
    state.owner = std::this_thread::get_id();
}

namespace {

// Runs what SetBeforeExit registered; false when this exit must go without it and without the
// exit hooks (asked for while it runs, or from another thread).
bool RunBeforeExit() {
    BeforeExit& state = BeforeExitState();
    std::function<void()> action;
    {
        const std::lock_guard<std::mutex> hold(state.lock);
        if (state.running || (state.action && state.owner != std::this_thread::get_id())) return false;
        // Moved out: the action may register another (or none) while it runs.
        action = std::move(state.action);
        state.action = nullptr;
        state.running = true;
    }
    if (action) action();
    return true;
}

}  // namespace

void ExitProcess(int code) {
    const bool orderly = RunBeforeExit();
    std::fflush(nullptr);
    if (!orderly) std::_Exit(code);
    std::exit(code);
}

void ExitProcessAtOnce(int code) {
    RunBeforeExit();
    std::fflush(nullptr);
    std::_Exit(code);
}

uint64_t ProcessId() { return static_cast<uint64_t>(::getpid()); }

bool ProcessRunning(uint64_t id) {
    if (id == 0 || id > static_cast<uint64_t>(std::numeric_limits<pid_t>::max())) return false;
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

uint64_t SecondsSince1970() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec > 0 ? static_cast<uint64_t>(now.tv_sec) : 0;
}

std::string NewGuidText() {
    uint8_t bytes[16] = {};
    if (!RandomBytes(bytes, sizeof bytes)) {
        FileDescriptor urandom(::open("/dev/urandom", O_RDONLY | O_CLOEXEC));
        if (!urandom.Valid() || ::read(urandom.Get(), bytes, sizeof bytes) != static_cast<ssize_t>(sizeof bytes)) {
            DebugOutput("NewGuidText: no random source\n");
        }
    }
    bytes[6] = static_cast<uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4: random
    bytes[8] = static_cast<uint8_t>((bytes[8] & 0x3F) | 0x80);
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(36);
    for (size_t i = 0; i < sizeof bytes; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
        text += kHex[bytes[i] >> 4];
        text += kHex[bytes[i] & 0x0F];
    }
    return text;
}

SystemInfo GetSystemInfo() {
    SystemInfo info;
    utsname name{};
    if (::uname(&name) != 0) return info;
    info.system = name.sysname;
    const std::string_view release(name.release);
    size_t pos = 0;
    info.major = ParseNumber(release, pos);
    if (pos < release.size() && release[pos] == '.') info.minor = ParseNumber(release, ++pos);
    if (pos < release.size() && release[pos] == '.') info.build = ParseNumber(release, ++pos);
    return info;
}

}  // namespace platform
