#include "core/base/Log.h"

#include <cstdarg>
#include <cstdio>

#include "platform/Host.h"

namespace {
std::vector<std::string> g_errors;

void LogLine(bool keep, const char* format, va_list args) {
    char line[256];
    std::vsnprintf(line, sizeof line - 2, format, args);
    std::string text(line);
    text += "\r\n";
    platform::DebugOutput(text);
    if (keep && g_errors.size() < 1000) g_errors.push_back(text);
}
}  // namespace

#define RIVAKEL_LOG_FN(name, keep)           \
    void name(const char* format, ...) {     \
        va_list args;                        \
        va_start(args, format);              \
        LogLine(keep, format, args);         \
        va_end(args);                        \
    }

extern "C" {
RIVAKEL_LOG_FN(Error, true)
RIVAKEL_LOG_FN(Warning, true)
RIVAKEL_LOG_FN(FatalError, true)
RIVAKEL_LOG_FN(Info, false)
RIVAKEL_LOG_FN(DebugOutput, false)
void MemoryError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    LogLine(true, format, args);
    va_end(args);
    platform::ExitProcess(-1);
}
}

const std::vector<std::string>& ErrorList() { return g_errors; }
