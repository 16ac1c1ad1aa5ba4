// Fatal-signal capture: when the process faults (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, a
// stack overflow included), a handler on its own stack writes a crash record (CrashRecordFormat.h)
// to a file opened in advance, starts the reporter program on it, waits until the reporter says
// the report is written (or a time-out passes) and ends the process with exit code -1 (255).
//
// The handler allocates nothing, formats nothing and calls only system calls. It runs once per
// process: a fault inside it, or inside the reporter, gets the system's default action. A second
// thread faulting while the first is being reported waits for the process to end.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Fixed-size text lines the handler copies into the record: `capacity` slots of `stride` bytes,
// each NUL-terminated within its slot; the first `count` slots are in use.
struct CrashLineTable {
    const char* lines = nullptr;
    size_t stride = 0;
    size_t capacity = 0;
    const std::atomic<uint32_t>* count = nullptr;
};

struct CrashCaptureConfig {
    std::string recordPath;  // created (emptied) at install, removed at uninstall
    // The reporter's program and first arguments; the record's path and the number of the
    // descriptor to write "done" to (then close) follow them.
    std::vector<std::string> reporter;
    int reporterWaitMs = 20000;
    CrashLineTable errors;
};

class CrashCapture {
    struct Token {};

public:
    explicit CrashCapture(Token) {}
    // Null when a capture is already installed or the record cannot be created.
    static std::unique_ptr<CrashCapture> Install(const CrashCaptureConfig& config);
    // Restores the handlers and the signal stack that were there before, and removes the
    // record, which holds nothing after a run without a crash.
    ~CrashCapture();
    CrashCapture(const CrashCapture&) = delete;
    CrashCapture& operator=(const CrashCapture&) = delete;
};

// The reporter's side of the handshake: tells the waiting crashed process the report is written.
// `descriptor` is the number the reporter was given; anything not a number is ignored.
void SignalReportWritten(std::string_view descriptor);

// What a recorded signal and its code say happened.
enum class FaultKind {
    AccessViolation,        // memory that is not there or not allowed
    Misaligned,             // a misaligned access
    InPageError,            // mapped memory whose file could not be read
    IllegalInstruction,
    PrivilegedInstruction,
    IntegerDivideByZero,
    IntegerOverflow,
    FloatDivideByZero,
    FloatOverflow,
    FloatUnderflow,
    FloatInexact,
    FloatInvalid,
    ArrayBounds,
    Breakpoint,
    Other,                  // aborts and anything else: described by SignalDescription
};
FaultKind ClassifyFault(int signal, int code);

// "SIGSEGV" and the like, and the system's own description ("Segmentation fault"); both empty
// for a number the system does not know.
std::string SignalName(int signal);
std::string SignalDescription(int signal);

}  // namespace platform
