// Whole-file reads, atomic writes and the folder operations.
#include <dirent.h>
#include <fcntl.h>
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

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

// `mode` nullopt keeps the permission bits of the file being replaced (0644 for a new one).
bool WriteAtomic(const std::string& path, std::span<const uint8_t> data, std::optional<mode_t> mode) {
    if (path.empty() || path.back() == '/' || path.find('\0') != std::string::npos) return false;
    const std::string folder = FolderOf(path);
    // A short hidden name, so that a long target name cannot push the temporary one past the limit.
    std::string temp = JoinPath(folder, ".rvk-XXXXXX");
    FileDescriptor file(::mkostemp(temp.data(), O_CLOEXEC));
    if (!file.Valid()) return false;

    if (!mode) {
        struct stat old {};
        mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    }
    const bool written = ::fchmod(file.Get(), *mode) == 0 && WriteAll(file.Get(), data) && ::fsync(file.Get()) == 0;
    if (!file.Close() || !written || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadFilePrefix(const std::string& path, size_t maxBytes) {
    // Non-blocking so that a pipe put where a file belongs cannot stall the open; only regular
    // files are read, so a device cannot feed the read without end.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.Valid()) return std::nullopt;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    std::vector<uint8_t> data;
    data.reserve(std::min(static_cast<size_t>(info.st_size), maxBytes));
    uint8_t chunk[65536];
    while (data.size() < maxBytes) {
        const ssize_t got = ::read(file.Get(), chunk, std::min(sizeof chunk, maxBytes - data.size()));
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) break;
        data.insert(data.end(), chunk, chunk + got);
    }
    return data;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path) {
    return ReadFilePrefix(path, std::numeric_limits<size_t>::max());
}

bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> data) {
    return WriteAtomic(path, data, std::nullopt);
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
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
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
        if (::mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
    if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) return false;
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
    struct stat source {};
    if (::stat(from.c_str(), &source) != 0) return false;
    const auto data = ReadWholeFile(from);
    return data && WriteAtomic(to, *data, source.st_mode & 0777);
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
    std::unique_ptr<DIR, DirCloser> dir(::opendir(path.c_str()));
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
