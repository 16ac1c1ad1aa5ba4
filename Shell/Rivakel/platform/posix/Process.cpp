#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/Host.h"

namespace platform {

void DebugOutput(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}

void ExitProcess(int code) { std::exit(code); }

}  // namespace platform
