// Linked into every fuzz target: the log stays quiet, as most inputs are bad on purpose and the
// lines they cause would slow every run.
#include "platform/Host.h"

namespace {
[[maybe_unused]] const bool g_quiet = [] {
    platform::SetDebugOutputQuiet(true);
    return true;
}();
}  // namespace
