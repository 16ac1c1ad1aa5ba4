// The fatal-signal handler. Everything it touches is prepared at install time in static storage;
// in the handler only system calls run, made through syscall() where the sanitizers would
// otherwise look at the (deliberately raw) memory handed to them.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <ucontext.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <utility>

#include "platform/CrashCapture.h"
#include "platform/CrashRecordFormat.h"

extern char** environ;

namespace platform {
namespace {

#if !defined(__x86_64__)
#error "The crash record knows the x86-64 context only."
#endif

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr size_t kSignalCount = std::size(kSignals);
constexpr size_t kMaxReporterArgs = 8;
constexpr size_t kArgSize = 4096;
constexpr size_t kAltStackSize = 64 * 1024;
constexpr size_t kPageSize = 4096;
// How far above a stack pointer that points past its stack the stack's pages are looked for.
constexpr uint64_t kOverflowSearchBytes = 1u << 20;

struct CaptureState {
    int recordFd = -1;
    char recordPath[kArgSize] = {};
    // The reporter's arguments, then the record's path and the descriptor's number.
    char args[kMaxReporterArgs + 2][kArgSize] = {};
    char* argv[kMaxReporterArgs + 3] = {};
    size_t reporterArgs = 0;
    int reporterWaitMs = 0;
    CrashLineTable errors;
    struct sigaction previous[kSignalCount] = {};
    stack_t previousStack = {};
    alignas(16) char altStack[kAltStackSize] = {};
    char copyBuffer[kPageSize] = {};
};

CaptureState g_state;
std::atomic<bool> g_installed{false};
// The thread reporting a crash; 0 while none does.
std::atomic<pid_t> g_owner{0};

ssize_t RawRead(int fd, void* data, size_t size) { return syscall(SYS_read, fd, data, size); }
ssize_t RawWrite(int fd, const void* data, size_t size) { return syscall(SYS_write, fd, data, size); }

bool WriteAll(int fd, const void* data, size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t put = RawWrite(fd, bytes, size);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        bytes += put;
        size -= static_cast<size_t>(put);
    }
    return true;
}

void Say(const char* text) { WriteAll(STDERR_FILENO, text, std::strlen(text)); }

// A section whose length is known only once its bytes are out: the header goes first with
// crash::kUnfinished and is patched by EndSection.
off_t BeginSection(int fd, crash::SectionTag tag) {
    const off_t at = lseek(fd, 0, SEEK_CUR);
    const crash::CrashSectionHeader header{tag, 0, crash::kUnfinished};
    return WriteAll(fd, &header, sizeof header) ? at : -1;
}

void EndSection(int fd, off_t at) {
    const off_t end = lseek(fd, 0, SEEK_CUR);
    if (at < 0 || end < 0) return;
    const uint64_t length = static_cast<uint64_t>(end - at) - sizeof(crash::CrashSectionHeader);
    if (lseek(fd, at + static_cast<off_t>(offsetof(crash::CrashSectionHeader, length)), SEEK_SET) < 0) return;
    WriteAll(fd, &length, sizeof length);
    lseek(fd, end, SEEK_SET);
}

// Record slot and context slot of each general register.
constexpr std::pair<crash::Register, int> kGeneralRegisters[] = {
    {crash::Rax, REG_RAX}, {crash::Rbx, REG_RBX}, {crash::Rcx, REG_RCX}, {crash::Rdx, REG_RDX},
    {crash::Rsi, REG_RSI}, {crash::Rdi, REG_RDI}, {crash::Rbp, REG_RBP}, {crash::Rsp, REG_RSP},
    {crash::R8, REG_R8},   {crash::R9, REG_R9},   {crash::R10, REG_R10}, {crash::R11, REG_R11},
    {crash::R12, REG_R12}, {crash::R13, REG_R13}, {crash::R14, REG_R14}, {crash::R15, REG_R15},
    {crash::Rip, REG_RIP}, {crash::Eflags, REG_EFL},
};

void WriteHeader(int fd, int signal, const siginfo_t* info, const ucontext_t* context) {
    crash::CrashRecordHeader header{};
    std::memcpy(header.magic, crash::kRecordMagic, sizeof header.magic);
    header.version = crash::kRecordVersion;
    header.machine = crash::kMachineX86_64;
    header.signal = static_cast<uint32_t>(signal);
    header.code = info != nullptr ? info->si_code : 0;
    header.faultAddress = info != nullptr ? reinterpret_cast<uint64_t>(info->si_addr) : 0;
    header.processId = static_cast<uint64_t>(getpid());
    timespec now{};
    if (clock_gettime(CLOCK_REALTIME, &now) == 0) header.timeSeconds = static_cast<uint64_t>(now.tv_sec);
    if (context != nullptr) {
        const greg_t* g = context->uc_mcontext.gregs;
        for (const auto& [record, slot] : kGeneralRegisters) header.registers[record] = static_cast<uint64_t>(g[slot]);
        // Packed as cs, gs, fs and (on newer kernels) ss, 16 bits each.
        const auto segments = static_cast<uint64_t>(g[REG_CSGSFS]);
        header.registers[crash::Cs] = segments & 0xFFFF;
        header.registers[crash::Gs] = (segments >> 16) & 0xFFFF;
        header.registers[crash::Fs] = (segments >> 32) & 0xFFFF;
        header.registers[crash::Ss] = (segments >> 48) & 0xFFFF;
        header.registerCount = crash::RegisterCount;
    }
    WriteAll(fd, &header, sizeof header);
}

void CopyMaps(int fd) {
    const off_t section = BeginSection(fd, crash::Maps);
    const int maps = static_cast<int>(syscall(SYS_openat, AT_FDCWD, "/proc/self/maps", O_RDONLY | O_CLOEXEC));
    if (maps >= 0) {
        uint64_t copied = 0;
        for (;;) {
            const ssize_t got = RawRead(maps, g_state.copyBuffer, sizeof g_state.copyBuffer);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0 || copied + static_cast<uint64_t>(got) > crash::kMaxMapsBytes) break;
            if (!WriteAll(fd, g_state.copyBuffer, static_cast<size_t>(got))) break;
            copied += static_cast<uint64_t>(got);
        }
        close(maps);
    }
    EndSection(fd, section);
}

// The stack from the fault's stack pointer up. write() refuses memory that is not there with
// EFAULT instead of faulting, so the copy simply stops at the stack's end. After a stack
// overflow the pointer itself lies beyond the stack: the copy then starts at the first page
// that can be read, and the section's first 8 bytes say where that is.
void CopyStack(int fd, uint64_t stackPointer) {
    const off_t section = BeginSection(fd, crash::Stack);
    const off_t startField = lseek(fd, 0, SEEK_CUR);
    uint64_t start = stackPointer;
    WriteAll(fd, &start, sizeof start);
    bool copying = false;
    uint64_t at = stackPointer;
    for (uint64_t end = stackPointer + kOverflowSearchBytes; at < end && at >= stackPointer;) {
        const size_t chunk = static_cast<size_t>(std::min<uint64_t>(end - at, kPageSize - at % kPageSize));
        const ssize_t put = RawWrite(fd, reinterpret_cast<const void*>(at), chunk);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            if (copying) break;
            at += chunk;
            start = at;
            continue;
        }
        if (!copying) end = at + crash::kMaxStackBytes;
        copying = true;
        at += static_cast<uint64_t>(put);
    }
    const off_t after = lseek(fd, 0, SEEK_CUR);
    if (start != stackPointer && startField >= 0 && lseek(fd, startField, SEEK_SET) == startField) {
        WriteAll(fd, &start, sizeof start);
        lseek(fd, after, SEEK_SET);
    }
    EndSection(fd, section);
}

void CopyErrors(int fd) {
    const CrashLineTable& table = g_state.errors;
    if (table.lines == nullptr || table.count == nullptr || table.stride == 0) return;
    const off_t section = BeginSection(fd, crash::Errors);
    const size_t count = std::min<size_t>(table.count->load(std::memory_order_acquire), table.capacity);
    uint64_t written = 0;
    for (size_t i = 0; i < count; ++i) {
        const char* line = table.lines + i * table.stride;
        const size_t length = strnlen(line, table.stride - 1);
        if (written + length + 1 > crash::kMaxErrorBytes) break;
        const char terminator = '\0';
        if (!WriteAll(fd, line, length) || !WriteAll(fd, &terminator, 1)) break;
        written += length + 1;
    }
    EndSection(fd, section);
}

void WriteRecord(int signal, const siginfo_t* info, const ucontext_t* context) {
    const int fd = g_state.recordFd;
    if (lseek(fd, 0, SEEK_SET) != 0 || ftruncate(fd, 0) != 0) return;
    WriteHeader(fd, signal, info, context);
    CopyMaps(fd);
    if (context != nullptr) CopyStack(fd, static_cast<uint64_t>(context->uc_mcontext.gregs[REG_RSP]));
    CopyErrors(fd);
    EndSection(fd, BeginSection(fd, crash::End));
}

// Decimal text of a small non-negative number, without the C library's formatting.
void NumberText(int value, char* out, size_t size) {
    char digits[16];
    size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && count < sizeof digits);
    size_t i = 0;
    for (; i < count && i + 1 < size; ++i) out[i] = digits[count - 1 - i];
    out[i] = '\0';
}

int64_t MonotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
}

// Until the reporter writes or closes its end, or the time is up.
void WaitForReporter(int fd) {
    const int64_t deadline = MonotonicMs() + g_state.reporterWaitMs;
    for (;;) {
        const int64_t left = deadline - MonotonicMs();
        if (left <= 0) return;
        pollfd wait{fd, POLLIN, 0};
        const int ready = poll(&wait, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) continue;
        return;
    }
}

void RunReporter() {
    int done[2];
    if (pipe(done) != 0) return;
    NumberText(done[1], g_state.args[g_state.reporterArgs + 1], kArgSize);
    const pid_t child = _Fork();
    if (child == 0) {
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        sigaction(SIGXFSZ, &fallback, nullptr);
        close(done[0]);
        execve(g_state.argv[0], g_state.argv, environ);
        _exit(127);
    }
    close(done[1]);
    if (child > 0) WaitForReporter(done[0]);
    close(done[0]);
    if (child > 0) waitpid(child, nullptr, WNOHANG);
}

// The fault happened inside the handling itself: the system's default action, at once.
void DefaultAction(int signal) {
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigaction(signal, &fallback, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    raise(signal);
}

void OnFatalSignal(int signal, siginfo_t* info, void* context) {
    const auto self = static_cast<pid_t>(syscall(SYS_gettid));
    pid_t reporting = 0;
    if (!g_owner.compare_exchange_strong(reporting, self)) {
        if (reporting == self) {
            DefaultAction(signal);
            return;
        }
        // Another thread is reporting; the process ends when it is done.
        for (;;) pause();
    }
    // A file-size limit must not end the process halfway through the record: writes fail instead.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, nullptr);
    WriteRecord(signal, info, static_cast<const ucontext_t*>(context));
    Say("Rivakel: a fatal error occurred; writing the error report\n");
    RunReporter();
    _exit(255);
}

bool CopyText(const std::string& text, char* out) {
    if (text.size() >= kArgSize || text.find('\0') != std::string::npos) return false;
    std::memcpy(out, text.c_str(), text.size() + 1);
    return true;
}

bool PrepareArguments(const CrashCaptureConfig& config) {
    if (config.reporter.empty() || config.reporter.size() > kMaxReporterArgs) return false;
    size_t n = 0;
    for (const std::string& arg : config.reporter) {
        if (!CopyText(arg, g_state.args[n])) return false;
        g_state.argv[n] = g_state.args[n];
        ++n;
    }
    g_state.reporterArgs = n;
    if (!CopyText(config.recordPath, g_state.args[n]) || !CopyText(config.recordPath, g_state.recordPath)) return false;
    g_state.argv[n] = g_state.args[n];
    g_state.argv[n + 1] = g_state.args[n + 1];
    g_state.argv[n + 2] = nullptr;
    return true;
}

}  // namespace

std::unique_ptr<CrashCapture> CrashCapture::Install(const CrashCaptureConfig& config) {
    if (g_installed.exchange(true)) return nullptr;
    if (!PrepareArguments(config)) {
        g_installed = false;
        return nullptr;
    }
    g_state.recordFd = open(g_state.recordPath, O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (g_state.recordFd < 0) {
        g_installed = false;
        return nullptr;
    }
    g_state.reporterWaitMs = std::max(config.reporterWaitMs, 0);
    g_state.errors = config.errors;
    g_owner = 0;

    // Its own stack, so that a stack overflow can still be reported.
    stack_t own{};
    own.ss_sp = g_state.altStack;
    own.ss_size = sizeof g_state.altStack;
    sigaltstack(&own, &g_state.previousStack);

    struct sigaction action {};
    action.sa_sigaction = OnFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signal : kSignals) sigaddset(&action.sa_mask, signal);
    for (size_t i = 0; i < kSignalCount; ++i) sigaction(kSignals[i], &action, &g_state.previous[i]);
    return std::make_unique<CrashCapture>(Token{});
}

CrashCapture::~CrashCapture() {
    for (size_t i = 0; i < kSignalCount; ++i) sigaction(kSignals[i], &g_state.previous[i], nullptr);
    sigaltstack(&g_state.previousStack, nullptr);
    close(g_state.recordFd);
    g_state.recordFd = -1;
    unlink(g_state.recordPath);
    g_installed = false;
}

void SignalReportWritten(std::string_view descriptor) {
    int fd = 0;
    if (descriptor.empty() || descriptor.size() > 9) return;
    for (char c : descriptor) {
        if (c < '0' || c > '9') return;
        fd = fd * 10 + (c - '0');
    }
    // Only a pipe: a number that names some other open file of ours must not be written to.
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISFIFO(info.st_mode)) return;
    const char done = '1';
    WriteAll(fd, &done, 1);
    close(fd);
}

FaultKind ClassifyFault(int signal, int code) {
    switch (signal) {
    case SIGSEGV:
        return FaultKind::AccessViolation;
    case SIGBUS:
        return code == BUS_ADRALN ? FaultKind::Misaligned : FaultKind::InPageError;
    case SIGILL:
        return code == ILL_PRVOPC || code == ILL_PRVREG ? FaultKind::PrivilegedInstruction
                                                        : FaultKind::IllegalInstruction;
    case SIGTRAP:
        return FaultKind::Breakpoint;
    case SIGFPE:
        switch (code) {
        case FPE_INTDIV: return FaultKind::IntegerDivideByZero;
        case FPE_INTOVF: return FaultKind::IntegerOverflow;
        case FPE_FLTDIV: return FaultKind::FloatDivideByZero;
        case FPE_FLTOVF: return FaultKind::FloatOverflow;
        case FPE_FLTUND: return FaultKind::FloatUnderflow;
        case FPE_FLTRES: return FaultKind::FloatInexact;
        case FPE_FLTSUB: return FaultKind::ArrayBounds;
        default: return FaultKind::FloatInvalid;
        }
    default:
        return FaultKind::Other;
    }
}

std::string SignalName(int signal) {
    const char* name = sigabbrev_np(signal);
    return name != nullptr ? "SIG" + std::string(name) : std::string();
}

std::string SignalDescription(int signal) {
    const char* text = sigdescr_np(signal);
    return text != nullptr ? std::string(text) : std::string();
}

}  // namespace platform
