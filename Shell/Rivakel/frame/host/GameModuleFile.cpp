#include "frame/host/GameModuleFile.h"

#include <algorithm>
#include <utility>

#include "platform/Host.h"

namespace {

bool IsAbsolute(std::string_view path) { return !path.empty() && path.front() == '/'; }

std::optional<std::string> Below(const std::string& folder, std::string_view name) {
    if (folder.empty()) return std::nullopt;
    auto path = platform::ResolvePath(folder, name);
    if (!path || !platform::FileExists(*path)) return std::nullopt;
    return path;
}

}  // namespace

std::optional<std::string> FindGameModule(std::string_view name, const GameModulePlaces& places) {
    if (name.empty()) return std::nullopt;
    if (IsAbsolute(name)) {
        std::string path(name);
        std::replace(path.begin(), path.end(), '\\', '/');
        if (platform::FileExists(path)) return path;
        return std::nullopt;
    }
    std::string base = places.baseFolder;
    if (base.empty())
        base = platform::CurrentFolder();
    else if (!IsAbsolute(base))
        base = platform::JoinPath(platform::CurrentFolder(), base);
    for (const std::string* folder : {&std::as_const(base), &places.shellFolder, &places.launchFolder})
        if (auto path = Below(*folder, name)) return path;
    return std::nullopt;
}

std::string FolderOfPath(std::string_view path) {
    const size_t slash = path.find_last_of("/\\");
    if (slash == std::string_view::npos) return {};
    if (slash == 0) return "/";
    return std::string(path.substr(0, slash));
}
