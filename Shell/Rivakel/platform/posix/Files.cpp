// Whole-file reads, atomic writes and the folder operations.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Host.h"
#include "platform/posix/FileDescriptor.h"

namespace platform {
namespace {

using posix::FileDescriptor;

// What the shell keeps holds names and e-mail addresses: its folders are the user's alone.
constexpr mode_t kFolderMode = 0700;

// The temporary file of an atomic write: a short hidden name, so that a long target name cannot
// push it past the limit, with mkstemp's six characters after it.
constexpr std::string_view kTemporaryPrefix = ".rvk-";
constexpr size_t kTemporaryNameSize = 11;
// Tries at a temporary name that a sweep of leftovers removed before its writer locked it.
constexpr int kTemporaryTries = 8;

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool WriteAll(int fd, std::span<const uint8_t> data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) return false;
        data = data.subspan(static_cast<size_t>(written));
    }
    return true;
}

// The rename is only durable once the folder's entry has reached the disk too.
void SyncFolder(const std::string& folder) {
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid()) ::fsync(dir.Get());
}

}  // namespace

namespace {

enum class OverCap { Refuse, Cut };

std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& path, uint64_t maxBytes, OverCap over) {
    // Non-blocking so that a pipe put where a file belongs cannot stall the open; only regular
    // files are read, so a device cannot feed the read without end.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.Valid()) return std::nullopt;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    // A sparse file may claim any size: refuse before anything is allocated for it.
    if (info.st_size < 0) return std::nullopt;
    if (over == OverCap::Refuse && static_cast<uint64_t>(info.st_size) > maxBytes) return std::nullopt;
    // Read straight into the result: a module of many megabytes is not copied once more. Past
    // the size the file had, a small buffer tells whether it grew, so the result is not moved
    // to make room for nothing.
    std::vector<uint8_t> data(static_cast<size_t>(std::min<uint64_t>(static_cast<uint64_t>(info.st_size), maxBytes)));
    size_t filled = 0;
    uint8_t chunk[65536];
    for (;;) {
        const bool inPlace = filled < data.size();
        const uint64_t room = maxBytes - filled;
        // At the cap, one byte more tells a file that grew past it from one that ends there.
        const size_t want = inPlace ? data.size() - filled
                            : room == 0 ? (over == OverCap::Refuse ? 1 : 0)
                                        : static_cast<size_t>(std::min<uint64_t>(sizeof chunk, room));
        if (want == 0) break;
        const ssize_t got = ::read(file.Get(), inPlace ? data.data() + filled : chunk, want);
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) break;
        if (static_cast<uint64_t>(got) > room) return std::nullopt;
        if (!inPlace) data.insert(data.end(), chunk, chunk + got);
        filled += static_cast<size_t>(got);
    }
    data.resize(filled);
    return data;
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, uint64_t maxBytes) {
    return ReadRegularFile(path, maxBytes, OverCap::Refuse);
}

std::optional<std::vector<uint8_t>> ReadFilePrefix(const std::string& path, size_t maxBytes) {
    return ReadRegularFile(path, maxBytes, OverCap::Cut);
}

namespace {

// A new file beside its destination that takes its place only once it is whole on the disk.
// The temporary file stays locked (flock) until it has taken that place or is gone, which
// tells a sweep of leftovers (RemoveLeftTemporaries) that a writer is still at it.
class AtomicFile {
public:
    // `mode` set: the new file's permission bits, whatever `access` says.
    AtomicFile(const std::string& path, FileAccess access, std::optional<mode_t> mode = std::nullopt)
        : path_(path), folder_(FolderOf(path)) {
        if (path.empty() || path.back() == '/' || path.find('\0') != std::string::npos) return;
        for (int tries = 0; tries < kTemporaryTries && !file_.Valid(); ++tries) Create();
        if (!file_.Valid()) return;
        if (!mode) {
            struct stat old {};
            mode = 0600;
            if (access == FileAccess::Shared) mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
        }
        ok_ = ::fchmod(file_.Get(), *mode) == 0;
    }
    ~AtomicFile() {
        if (!temp_.empty()) ::unlink(temp_.c_str());
    }
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool Write(std::span<const uint8_t> data) { return ok_ = ok_ && WriteAll(file_.Get(), data); }
    // Flushes, closes and renames over the destination; on failure the destination is untouched.
    // The lock is let go only after the rename.
    bool Commit() {
        const bool flushed = ok_ && ::fsync(file_.Get()) == 0;
        if (!file_.Close() || !flushed || ::rename(temp_.c_str(), path_.c_str()) != 0) return false;
        temp_.clear();
        SyncFolder(folder_);
        return true;
    }

private:
    void Create() {
        temp_ = JoinPath(folder_, std::string(kTemporaryPrefix) + "XXXXXX");
        file_.Reset(::mkostemp(temp_.data(), O_CLOEXEC));
        if (!file_.Valid()) {
            temp_.clear();
            return;
        }
        // A file system without locks still gets its write, unguarded.
        if (::flock(file_.Get(), LOCK_EX) != 0) return;
        struct stat info {};
        if (::fstat(file_.Get(), &info) != 0 || info.st_nlink == 0) {
            // A sweep took the new file for a leftover before the lock; its name may be another's now.
            file_.Reset();
            temp_.clear();
            return;
        }
        // A second descriptor of the same open file keeps the lock after the first is closed.
        lock_.Reset(::fcntl(file_.Get(), F_DUPFD_CLOEXEC, 0));
    }

    std::string path_, folder_, temp_;
    FileDescriptor file_, lock_;
    bool ok_ = false;
};

}  // namespace

bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> data, FileAccess access) {
    AtomicFile file(path, access);
    return file.Write(data) && file.Commit();
}

namespace {

bool IsTemporaryName(std::string_view name) {
    return name.size() == kTemporaryNameSize && name.starts_with(kTemporaryPrefix);
}

// Removes the temporary file `name` unless its writer still holds it; the bytes it held.
std::optional<uint64_t> RemoveIfLeft(int dirFd, const char* name) {
    FileDescriptor file(::openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat held {};
    if (!file.Valid() || ::fstat(file.Get(), &held) != 0 || !S_ISREG(held.st_mode)) return std::nullopt;
    if (::flock(file.Get(), LOCK_EX | LOCK_NB) != 0) return std::nullopt;
    // Only the file that was locked: the name may have gone to another writer since it was opened.
    struct stat named {};
    if (::fstatat(dirFd, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || named.st_dev != held.st_dev ||
        named.st_ino != held.st_ino || ::unlinkat(dirFd, name, 0) != 0)
        return std::nullopt;
    return static_cast<uint64_t>(held.st_size);
}

}  // namespace

LeftTemporaries RemoveLeftTemporaries(const std::string& folder) {
    LeftTemporaries removed;
    posix::DirHandle dir(::opendir(folder.c_str()));
    if (!dir) return removed;
    const int dirFd = ::dirfd(dir.get());
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (IsTemporaryName(entry->d_name)) names.emplace_back(entry->d_name);
    }
    for (const std::string& name : names) {
        if (const std::optional<uint64_t> bytes = RemoveIfLeft(dirFd, name.c_str())) {
            ++removed.files;
            removed.bytes += *bytes;
        }
    }
    return removed;
}

bool LinkPath(const std::string& from, const std::string& to) {
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    SyncFolder(FolderOf(to));
    return true;
}

namespace {

class PosixAppendFile final : public AppendFile {
public:
    explicit PosixAppendFile(int fd) : file_(fd) {}
    bool Append(std::span<const uint8_t> data) override { return WriteAll(file_.Get(), data); }

private:
    FileDescriptor file_;
};

}  // namespace

std::unique_ptr<AppendFile> OpenAppendFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return nullptr;
    // A file made by an older build may be readable by others.
    if (::fchmod(fd, 0600) != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixAppendFile>(fd);
}

bool DeleteFile(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
    return ::unlink(path.c_str()) == 0;
}

bool CreateFolders(const std::string& path) {
    if (path.empty()) return false;
    if (FolderExists(path)) return true;
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (::mkdir(prefix.c_str(), kFolderMode) != 0 && errno != EEXIST) return false;
    }
    if (::mkdir(path.c_str(), kFolderMode) != 0 && errno != EEXIST) return false;
    return FolderExists(path);
}

bool RemoveEmptyFolder(const std::string& path) { return ::rmdir(path.c_str()) == 0; }

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CopyFile(const std::string& from, const std::string& to) {
    // Streamed, so a file of any size copies without being held in memory.
    FileDescriptor source(::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (!source.Valid() || ::fstat(source.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    // The copy takes the source's permission bits: a program stays runnable.
    AtomicFile target(to, FileAccess::Shared, info.st_mode & 0777);
    uint8_t chunk[65536];
    for (;;) {
        const ssize_t got = ::read(source.Get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) return target.Commit();
        if (!target.Write(std::span<const uint8_t>(chunk, static_cast<size_t>(got)))) return false;
    }
}

bool SetFileMode(const std::string& path, uint32_t mode) { return ::chmod(path.c_str(), mode & 07777) == 0; }

bool RenamePath(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return false;
    SyncFolder(FolderOf(to));
    return true;
}

bool IsRealFolder(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<uint64_t> FileSize(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return std::nullopt;
    return static_cast<uint64_t>(info.st_size);
}

std::vector<FolderEntry> ListFolder(const std::string& path) {
    std::vector<FolderEntry> entries;
    posix::DirHandle dir(::opendir(path.c_str()));
    if (!dir) return entries;
    const int dirFd = ::dirfd(dir.get());
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name(entry->d_name);
        if (name == "." || name == "..") continue;
        FolderEntry item;
        item.name = std::string(name);
        struct stat info {};
        if (::fstatat(dirFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0) item.isLink = S_ISLNK(info.st_mode);
        if (::fstatat(dirFd, entry->d_name, &info, 0) == 0) {
            item.isFolder = S_ISDIR(info.st_mode);
            item.size = item.isFolder ? 0 : static_cast<uint64_t>(info.st_size);
        }
        entries.push_back(std::move(item));
    }
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

}  // namespace platform
