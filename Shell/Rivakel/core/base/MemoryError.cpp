#include <cstdarg>

#include "core/base/Log.h"
#include "core/base/LogLine.h"
#include "platform/Host.h"
#include "platform/Platform.h"

namespace {

MemoryErrorBox& Box() {
    static MemoryErrorBox box;
    return box;
}

}  // namespace

void SetMemoryErrorBox(MemoryErrorBox box) { Box() = std::move(box); }

// Kept apart from the other logging functions: only code that can run out of resources
// pulls in the message box and the backend with it.
extern "C" void MemoryError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    WriteLogLine(true, format, args);
    std::string caption = FormatLogLine(format, copy);
    va_end(copy);
    va_end(args);
    caption.resize(caption.size() - 2);

    static constexpr std::string_view kText =
        "There are not enough system resources to continue.\n"
        "Please close other applications and restart Rivakel.";
    // A shortage met again while the box is up ends the process without another box.
    static bool boxShown = false;
    const bool first = !boxShown;
    boxShown = true;
    if (!first) {
        platform::DebugOutput(std::string(kText) + "\r\n");
    } else if (const MemoryErrorBox box = Box()) {
        box(caption, kText);
    } else if (platform::Backend* backend = platform::GetBackend()) {
        backend->MessageBox(caption, kText, platform::MbOk | platform::MbIconWarning);
    } else {
        platform::DebugOutput(std::string(kText) + "\r\n");
    }
    platform::ExitProcess(-1);
}
