// Any relative path either resolves to a path below the root or is refused.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/Host.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string root = [] {
        const std::string folder = platform::JoinPath(platform::TempFolder(), "rivakel-fuzz-root");
        platform::CreateFolders(platform::JoinPath(folder, "Rivakel/System"));
        // Two names that differ only in case, so that matching has to choose.
        platform::CreateFolders(platform::JoinPath(folder, "Rivakel/SYSTEM"));
        return folder;
    }();
    const std::string_view relative(reinterpret_cast<const char*>(data), size);
    const auto resolved = platform::ResolvePath(root, relative);
    if (!resolved) return 0;
    if (resolved->compare(0, root.size(), root) != 0) std::abort();
    const std::string_view rest = std::string_view(*resolved).substr(root.size());
    if (!rest.empty() && rest.front() != '/') std::abort();
    if (rest.find("/../") != std::string_view::npos || rest.ends_with("/..")) std::abort();
    if (rest.find('\0') != std::string_view::npos) std::abort();
    return 0;
}
