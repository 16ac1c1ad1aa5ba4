// The shell's logging functions. Each formats like printf, appends "\r\n" and writes the line
// to the debug output; lines are cut to fit the 256-byte line buffer whatever the arguments.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CrashCapture.h"

#if defined(__GNUC__)
#define RIVAKEL_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define RIVAKEL_PRINTF(fmt, args)
#endif

// The line buffer of one logging call: text, "\r\n" and the terminator.
inline constexpr size_t kLogLineSize = 256;
// The error list keeps the first lines of the process only.
inline constexpr size_t kErrorListLimit = 1000;

extern "C" {
// Also kept in the error list (the first 1000 lines of the process).
void Error(const char* format, ...) RIVAKEL_PRINTF(1, 2);
void Warning(const char* format, ...) RIVAKEL_PRINTF(1, 2);
void FatalError(const char* format, ...) RIVAKEL_PRINTF(1, 2);
// Debug output only.
void Info(const char* format, ...) RIVAKEL_PRINTF(1, 2);
void DebugOutput(const char* format, ...) RIVAKEL_PRINTF(1, 2);
// As Error, then a warning box that resources ran out, then the process ends with -1.
[[noreturn]] void MemoryError(const char* format, ...) RIVAKEL_PRINTF(1, 2);
}

// The box MemoryError shows before the process ends. The session puts the shell's own box here
// once its window exists; empty, the platform's box is shown.
using MemoryErrorBox = std::function<void(std::string_view caption, std::string_view text)>;
void SetMemoryErrorBox(MemoryErrorBox box);

// The error list for the error report, in logging order; each entry ends in "\r\n".
const std::vector<std::string>& ErrorList();
// The same lines in fixed storage, for a crash handler that must not allocate.
platform::CrashLineTable CrashSafeErrorList();
