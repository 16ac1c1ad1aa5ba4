// The machine services that are the same for every backend: folders and files, modules,
// the single-instance channel, the process. Implemented once, on POSIX.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// ---------------------------------------------------------------- folders

// XDG folders, without a trailing '/'. Each falls back to a sensible folder under $HOME.
std::string DataFolder();       // $XDG_DATA_HOME or ~/.local/share
std::string DocumentsFolder();  // the XDG documents folder
std::string DesktopFolder();    // the XDG desktop folder
std::string StartMenuFolder();  // ~/.local/share/applications
std::string TempFolder();       // $TMPDIR or /tmp
std::string StateFolder();      // $XDG_STATE_HOME or ~/.local/state: what outlives a run but is no data
// $XDG_RUNTIME_DIR when only this user may write into it, else a private folder of ours under the
// temp folder or, when that name is taken, under the cache folder; empty when none can be had.
std::string RuntimeFolder();
std::string CurrentFolder();
std::string ExecutablePath();   // the running program's full path

// ---------------------------------------------------------------- paths

// Turns a path of the system's own ('\' separated, any case) below `root` into a native path
// that exists where it can: each component is matched without regard to case to an existing
// entry; components that match nothing are kept as written (so a file can be created).
// Either separator is accepted, and one leading separator still means "below root" (the system
// forms its paths as a folder followed by a separator and a name). Case is ignored for ASCII
// letters only; other bytes are kept as given. nullopt when the path could leave `root`: any "..",
// a ':' (a drive or a stream), two leading separators (another machine's share), a NUL.
std::optional<std::string> ResolvePath(std::string_view root, std::string_view relative);

// Joins with exactly one '/'.
std::string JoinPath(std::string_view folder, std::string_view name);

// ---------------------------------------------------------------- files

// nullopt for anything but a regular file (folders, pipes, devices), on any read error, and
// when the file holds more than `maxBytes`: every caller bounds the read by what the kind of
// file it reads can need. A file's claimed size is checked before anything is allocated, and
// files that grow while read or report no size (/proc) are held to the cap as they are read.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, uint64_t maxBytes);
// At most the first `maxBytes` of a regular file: a huge file costs no more than that.
std::optional<std::vector<uint8_t>> ReadFilePrefix(const std::string& path, size_t maxBytes);

// Who may read a written file. Shared: a new file is readable by all, an existing one keeps
// its permissions. Private: only the user, whatever the file had before.
enum class FileAccess { Shared, Private };
// Writes to a temporary file beside `path`, flushes it to the disk and renames it over `path`:
// afterwards the file holds the old or the new content, never a mix. False on any failure
// (the old file is then untouched and the temporary file removed).
bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> data,
                     FileAccess access = FileAccess::Shared);
// What atomic writes killed before their end left in `folder` (not below it): temporary files
// that no running writer holds, removed. They never hold a valid file.
struct LeftTemporaries {
    size_t files = 0;
    uint64_t bytes = 0;
};
LeftTemporaries RemoveLeftTemporaries(const std::string& folder);
bool DeleteFile(const std::string& path);
// Like mkdir -p; the folders it makes are the user's alone (0700).
bool CreateFolders(const std::string& path);
bool RemoveEmptyFolder(const std::string& path);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Streamed; atomic at the destination, which takes the source's permission bits (a program
// stays runnable).
bool CopyFile(const std::string& from, const std::string& to);
std::optional<uint64_t> FileSize(const std::string& path);
// The permission bits (0755 and the like); false when the file cannot be changed.
bool SetFileMode(const std::string& path, uint32_t mode);
// rename(2): atomic, within one file system; an existing file at `to` is replaced, and so is an
// empty folder when `from` is a folder. False on any failure, with both names untouched.
bool RenamePath(const std::string& from, const std::string& to);
// link(2): a second name `to` for the file at `from`; false when `to` exists, `from` is a
// folder or the file system has no such links.
bool LinkPath(const std::string& from, const std::string& to);
// True only for a folder that is no symbolic link.
bool IsRealFolder(const std::string& path);
// Removes `path` with everything below it and never follows a symbolic link: a link is removed
// itself, whatever it points to. True when nothing is left at `path` (also when nothing was).
bool RemoveTree(const std::string& path);

struct FolderEntry {
    std::string name;
    bool isFolder = false;  // a link to a folder counts as a folder
    bool isLink = false;    // a symbolic link, whatever it points to
    uint64_t size = 0;
};
// Sorted by name; without "." and "..". Empty when the folder cannot be read.
std::vector<FolderEntry> ListFolder(const std::string& path);

// A journal: a file that only grows at its end. Each Append is one write, so a process killed
// after it returned leaves the record whole in the file. Records are not flushed to the disk:
// they survive the process, not the machine.
class AppendFile {
public:
    virtual ~AppendFile() = default;
    virtual bool Append(std::span<const uint8_t> data) = 0;
};
// Opens or creates the file for appending, readable by the user alone (0600); null when it cannot.
std::unique_ptr<AppendFile> OpenAppendFile(const std::string& path);

// ---------------------------------------------------------------- modules

// A loaded shared object. Unloads when destroyed.
class Module {
public:
    virtual ~Module() = default;
    virtual void* FindSymbol(const char* name) const = 0;
    virtual const std::string& Path() const = 0;
};
// Null with `error` set when the file cannot be loaded.
std::unique_ptr<Module> LoadModule(const std::string& path, std::string* error = nullptr);

// ---------------------------------------------------------------- single instance

// The channel between a first (primary) instance and later ones: a lock file and a Unix socket
// in the runtime folder. Questions are the private message numbers (2027 close request,
// 2028 version, 2029 shutting down) and `kActivateRequest`.
inline constexpr int kActivateRequest = 1;

class InstanceChannel {
public:
    virtual ~InstanceChannel() = default;
    virtual bool IsPrimary() const = 0;
    // Primary: answers questions waiting on the socket with `answer`, without blocking.
    // Call from the main loop and from nested dialog loops.
    virtual void Serve(const std::function<int(int message)>& answer) = 0;
    // Secondary: asks the primary. nullopt when no primary answers within `timeoutMs`.
    virtual std::optional<int> Ask(int message, int timeoutMs) = 0;
    // Secondary: true while a primary still holds the lock.
    virtual bool PrimaryAlive() = 0;
    // Secondary: tries again to become the primary (after the first has gone).
    virtual bool TryBecomePrimary() = 0;
    // The socket's descriptor for waiting on it together with window events; -1 when none.
    virtual int WaitHandle() const = 0;
};
// `name` names the lock and socket files; `folder` defaults to RuntimeFolder(). Without a
// folder the channel is a primary that nobody can reach.
std::unique_ptr<InstanceChannel> OpenInstanceChannel(std::string_view name, std::string folder = {});

// ---------------------------------------------------------------- process

// From the first call on, SIGTERM, SIGINT and SIGHUP no longer end the process at once: each
// says the session is ending (a logout, a shutdown, a service stop), which every backend hands
// out as a SessionEnding event, waking a loop that waits for events. Call once the program can
// stop in order.
void CatchCloseSignals();

// Writes to standard error and, when RIVAKEL_LOG names a file, appends there too.
void DebugOutput(std::string_view text);
// While quiet, DebugOutput writes nothing: fuzz targets, whose inputs are mostly bad on purpose,
// would otherwise spend their time logging.
void SetDebugOutputQuiet(bool quiet);
bool DebugOutputQuiet();
bool DebuggerAttached();
// Under an attached debugger: stops there, and the program goes on when the debugger lets it
// (also when it hands the trap signal back). False, doing nothing, without one.
bool DebugTrap();
// Ends the process with `code` (-1 is status 255). What SetBeforeExit registered runs first,
// on the thread that registered it; an exit asked for while it runs, or from another thread,
// ends the process at once without the exit hooks, which would run over what is half torn down.
[[noreturn]] void ExitProcess(int code);
// What every ExitProcess does first: the program ends its session in order there, so nothing
// is left running for the exit hooks to stop. Replaces the earlier action; empty for none.
void SetBeforeExit(std::function<void()> action);
uint64_t ProcessId();
// Whether a process of that number exists (one of another user's counts too).
bool ProcessRunning(uint64_t id);
// Whole seconds of the system's calendar clock since 1970-01-01 00:00:00 UTC.
uint64_t SecondsSince1970();
// A new random identifier as 32 upper-case hexadecimal digits in five groups (8-4-4-4-12).
std::string NewGuidText();

// Runs `program` (looked up in PATH when it holds no '/') with `args` and no shell between, its
// input from /dev/null and its output dropped; waits at most `timeoutMs` and then kills it.
// The exit status; nullopt when it could not be started, was killed or ran out of time.
std::optional<int> RunProgram(const std::string& program, std::span<const std::string> args, int timeoutMs);
// Whether RunProgram would find `program` in PATH as a file this user may run.
bool FindProgram(std::string_view program);

struct SystemInfo {
    std::string system;   // kernel name, e.g. "Linux"
    int major = 0, minor = 0, build = 0;
};
SystemInfo GetSystemInfo();

}  // namespace platform
