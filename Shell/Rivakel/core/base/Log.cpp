#include "core/base/Log.h"

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstring>

#include "core/base/LogLine.h"
#include "platform/Host.h"

namespace {
std::vector<std::string> g_errors;
char g_fixedErrors[kErrorListLimit][kLogLineSize];
std::atomic<uint32_t> g_fixedErrorCount{0};

void KeepError(const std::string& text) {
    const size_t slot = g_errors.size();
    if (slot >= kErrorListLimit) return;
    g_errors.push_back(text);
    const size_t length = std::min(text.size(), kLogLineSize - 1);
    std::memcpy(g_fixedErrors[slot], text.data(), length);
    g_fixedErrors[slot][length] = '\0';
    g_fixedErrorCount.store(static_cast<uint32_t>(slot + 1), std::memory_order_release);
}
}  // namespace

std::string FormatLogLine(const char* format, va_list args) {
    char line[kLogLineSize];
    // Room for "\r\n" and the terminator is kept back, so a long message is cut, never spilled.
    const int length = std::vsnprintf(line, kLogLineSize - 2, format != nullptr ? format : "", args);
    std::string text(line, length < 0 ? 0 : std::min<size_t>(static_cast<size_t>(length), kLogLineSize - 3));
    text += "\r\n";
    return text;
}

void WriteLogLine(bool keep, const char* format, va_list args) {
    keep = keep && g_errors.size() < kErrorListLimit;
    // A line nobody will see or keep is not even formatted.
    if (!keep && platform::DebugOutputQuiet()) return;
    const std::string text = FormatLogLine(format, args);
    platform::DebugOutput(text);
    if (keep) KeepError(text);
}

#define RIVAKEL_LOG_FN(name, keep)           \
    void name(const char* format, ...) {     \
        va_list args;                        \
        va_start(args, format);              \
        WriteLogLine(keep, format, args);    \
        va_end(args);                        \
    }

extern "C" {
RIVAKEL_LOG_FN(Error, true)
RIVAKEL_LOG_FN(Warning, true)
RIVAKEL_LOG_FN(FatalError, true)
RIVAKEL_LOG_FN(Info, false)
RIVAKEL_LOG_FN(DebugOutput, false)
}

const std::vector<std::string>& ErrorList() { return g_errors; }

platform::CrashLineTable CrashSafeErrorList() {
    return {&g_fixedErrors[0][0], kLogLineSize, kErrorListLimit, &g_fixedErrorCount};
}
