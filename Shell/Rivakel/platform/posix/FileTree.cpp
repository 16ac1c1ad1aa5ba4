// Removing a folder tree without ever following a symbolic link.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include "platform/Host.h"
#include "platform/posix/FileDescriptor.h"

namespace platform {
namespace {

using posix::FileDescriptor;

// Deeper trees are not ours: a game folder holds a few levels at most.
constexpr int kMaxDepth = 64;

// The names in the folder open at `folderFd`; the descriptor stays open.
std::vector<std::string> Names(int folderFd) {
    std::vector<std::string> names;
    const int copy = ::dup(folderFd);
    if (copy < 0) return names;
    posix::DirHandle dir(::fdopendir(copy));
    if (!dir) {
        // Only a listing that opened owns the copy.
        ::close(copy);
        return names;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name(entry->d_name);
        if (name != "." && name != "..") names.emplace_back(name);
    }
    return names;
}

// Empties the folder open at `folderFd`. Everything is looked at relative to its folder's
// descriptor and folders are opened with O_NOFOLLOW, so a link swapped in cannot lead outside.
bool RemoveContents(int folderFd, int depth) {
    if (depth > kMaxDepth) return false;
    bool ok = true;
    for (const std::string& name : Names(folderFd)) {
        struct stat info {};
        if (::fstatat(folderFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = ok && errno == ENOENT;
            continue;
        }
        if (S_ISDIR(info.st_mode)) {
            FileDescriptor inner(::openat(folderFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            ok = inner.Valid() && RemoveContents(inner.Get(), depth + 1) && ok;
            ok = ::unlinkat(folderFd, name.c_str(), AT_REMOVEDIR) == 0 && ok;
        } else {
            ok = ::unlinkat(folderFd, name.c_str(), 0) == 0 && ok;
        }
    }
    return ok;
}

}  // namespace

bool RemoveTree(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return errno == ENOENT;
    if (!S_ISDIR(info.st_mode)) return ::unlink(path.c_str()) == 0;
    FileDescriptor folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.Valid() || !RemoveContents(folder.Get(), 0)) return false;
    folder.Reset();
    return ::rmdir(path.c_str()) == 0;
}

}  // namespace platform
