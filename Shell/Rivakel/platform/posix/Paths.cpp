// Paths of the system's own ('\' separated, any case) turned into native paths below a root.
#include <dirent.h>
#include <sys/stat.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Host.h"
#include "platform/posix/FileDescriptor.h"

namespace platform {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

enum class Lookup { Found, Missing, NotAFolder };

// Finds `name` in `folder`, exactly or else without regard to case (the smallest matching name,
// so the answer does not depend on the order the folder lists its entries).
Lookup FindEntry(const std::string& folder, std::string_view name, std::string& found) {
    const std::string exact = JoinPath(folder, name);
    struct stat info {};
    if (lstat(exact.c_str(), &info) == 0) {
        found = name;
        return Lookup::Found;
    }
    posix::DirHandle dir(opendir(folder.c_str()));
    if (!dir) return Lookup::NotAFolder;
    std::optional<std::string> best;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view candidate(entry->d_name);
        if (EqualIgnoringCase(candidate, name) && (!best || candidate < *best)) best = std::string(candidate);
    }
    if (!best) return Lookup::Missing;
    found = *best;
    return Lookup::Found;
}

// Splits on either separator; nullopt when any part could reach outside the root.
std::optional<std::vector<std::string_view>> SplitRelative(std::string_view relative) {
    if (relative.find('\0') != std::string_view::npos) return std::nullopt;
    // Two leading separators name another machine's share.
    if (relative.size() >= 2 && (relative[0] == '\\' || relative[0] == '/') &&
        (relative[1] == '\\' || relative[1] == '/')) {
        return std::nullopt;
    }
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= relative.size()) {
        size_t end = relative.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = relative.size();
        const std::string_view part = relative.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        // ".." may leave the root; a ':' is a drive or a stream, never part of a name.
        if (part == ".." || part.find(':') != std::string_view::npos) return std::nullopt;
        parts.push_back(part);
    }
    return parts;
}

}  // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
    while (!folder.empty() && folder.back() == '/') folder.remove_suffix(1);
    while (!name.empty() && name.front() == '/') name.remove_prefix(1);
    std::string path(folder);
    path += '/';
    path += name;
    return path;
}

std::optional<std::string> ResolvePath(std::string_view root, std::string_view relative) {
    if (root.find('\0') != std::string_view::npos) return std::nullopt;
    const auto parts = SplitRelative(relative);
    if (!parts) return std::nullopt;
    std::string path(root.empty() ? std::string_view(".") : root);
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    bool searching = true;
    for (const std::string_view part : *parts) {
        std::string name(part);
        if (searching) {
            std::string found;
            if (FindEntry(path, part, found) == Lookup::Found) {
                name = std::move(found);
            } else {
                searching = false;  // nothing below a missing entry can exist
            }
        }
        path = JoinPath(path, name);
    }
    return path;
}

}  // namespace platform
