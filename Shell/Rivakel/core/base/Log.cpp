#include "core/base/Log.h"

#include <algorithm>
#include <cstdarg>

#include "core/base/LogLine.h"
#include "platform/Host.h"

namespace {
std::vector<std::string> g_errors;
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
    if (keep) g_errors.push_back(text);
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
