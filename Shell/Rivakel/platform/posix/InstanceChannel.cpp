// The single-instance channel: whoever holds the lock file is the primary and listens on a Unix
// socket beside it; later instances connect, send one 32-bit question and read one 32-bit answer.
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "platform/Host.h"
#include "platform/posix/FileDescriptor.h"

namespace platform {
namespace {

using posix::FileDescriptor;
using Clock = std::chrono::steady_clock;

// A client that connects and then says nothing must not hold up the main loop for long.
constexpr int kServeReadTimeoutMs = 50;
constexpr int kConnectRetryMs = 10;

bool MakeAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

// Waits until `fd` is readable or writable; false on timeout or error.
bool WaitFor(int fd, short events, int timeoutMs) {
    pollfd entry{fd, events, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, timeoutMs);
        if (ready < 0 && errno == EINTR) continue;
        return ready > 0 && (entry.revents & events) != 0;
    }
}

enum class ReadResult { Read, TimedOut, Closed };

ReadResult ReadInt32(int fd, int32_t& value, int timeoutMs) {
    auto* bytes = reinterpret_cast<uint8_t*>(&value);
    size_t have = 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (have < sizeof value) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left < 0 || !WaitFor(fd, POLLIN, static_cast<int>(left))) return ReadResult::TimedOut;
        const ssize_t got = ::recv(fd, bytes + have, sizeof value - have, 0);
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (got <= 0) return ReadResult::Closed;
        have += static_cast<size_t>(got);
    }
    return ReadResult::Read;
}

bool WriteInt32(int fd, int32_t value) {
    return ::send(fd, &value, sizeof value, MSG_NOSIGNAL) == static_cast<ssize_t>(sizeof value);
}

// Only our own user's instances may ask us to close, or answer for the primary: where the
// runtime folder is shared, another user's socket or client is ignored.
bool PeerIsThisUser(int fd) {
    ucred peer{};
    socklen_t length = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && length == sizeof peer &&
           peer.uid == ::getuid();
}

std::string SafeName(std::string_view name) {
    std::string safe(name.empty() ? std::string_view("instance") : name);
    for (char& c : safe) {
        if (c == '/' || c == '\0') c = '_';
    }
    return safe;
}

class PosixInstanceChannel final : public InstanceChannel {
public:
    PosixInstanceChannel(std::string lockPath, std::string socketPath)
        : lockPath_(std::move(lockPath)), socketPath_(std::move(socketPath)) {
        if (!lockPath_.empty()) {
            lock_.Reset(::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
        }
        if (!lock_.Valid()) {
            // Without a lock file no other instance can find us either: run on as the only one.
            DebugOutput("Instance channel: cannot open the lock file; running unshared\n");
            primary_ = true;
            return;
        }
        TryBecomePrimary();
    }
    PosixInstanceChannel(const PosixInstanceChannel&) = delete;
    PosixInstanceChannel& operator=(const PosixInstanceChannel&) = delete;

    ~PosixInstanceChannel() override {
        // The socket file goes before the lock, so it can never remove a successor's socket.
        if (listener_.Valid()) {
            listener_.Reset();
            ::unlink(socketPath_.c_str());
        }
    }

    bool IsPrimary() const override { return primary_; }

    void Serve(const std::function<int(int message)>& answer) override {
        if (!listener_.Valid()) return;
        for (;;) {
            FileDescriptor client(::accept4(listener_.Get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
            if (!client.Valid()) {
                if (errno == EINTR || errno == ECONNABORTED) continue;
                return;  // nothing waits (EAGAIN) or the listener failed
            }
            int32_t message = 0;
            if (!PeerIsThisUser(client.Get()) ||
                ReadInt32(client.Get(), message, kServeReadTimeoutMs) != ReadResult::Read)
                continue;
            WriteInt32(client.Get(), static_cast<int32_t>(answer(message)));
        }
    }

    std::optional<int> Ask(int message, int timeoutMs) override {
        if (primary_) return std::nullopt;
        sockaddr_un address{};
        if (!MakeAddress(socketPath_, address)) return std::nullopt;
        const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
        for (;;) {
            // Non-blocking: a primary that has stopped accepting fills its backlog, and a
            // blocking connect would then wait past any timeout.
            FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
            if (!socket.Valid()) return std::nullopt;
            if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
                if (!PeerIsThisUser(socket.Get())) return std::nullopt;
                using std::chrono::milliseconds;
                const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
                int32_t reply = 0;
                const ReadResult read =
                    WriteInt32(socket.Get(), static_cast<int32_t>(message))
                        ? ReadInt32(socket.Get(), reply, static_cast<int>(std::max<int64_t>(left, 0)))
                        : ReadResult::Closed;
                if (read == ReadResult::Read) return reply;
                if (read == ReadResult::TimedOut) return std::nullopt;
                // Dropped unanswered: a busy primary gives up on a question that is slow to
                // arrive (we were not scheduled in time). Ask again while time is left.
            }
            // The primary may hold the lock but not listen yet; a dead one never will.
            if (Clock::now() >= deadline || !PrimaryAlive()) return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(kConnectRetryMs));
        }
    }

    bool PrimaryAlive() override {
        if (primary_ || !lock_.Valid()) return false;
        // A shared lock is granted only while nobody holds the exclusive one.
        if (::flock(lock_.Get(), LOCK_SH | LOCK_NB) != 0) return errno == EWOULDBLOCK;
        ::flock(lock_.Get(), LOCK_UN);
        return false;
    }

    bool TryBecomePrimary() override {
        if (primary_) return true;
        if (!lock_.Valid() || ::flock(lock_.Get(), LOCK_EX | LOCK_NB) != 0) return false;
        primary_ = true;
        Listen();
        return true;
    }

    int WaitHandle() const override { return listener_.Get(); }

private:
    void Listen() {
        sockaddr_un address{};
        if (!MakeAddress(socketPath_, address)) {
            DebugOutput("Instance channel: the socket path is too long\n");
            return;
        }
        // Whatever lies there was left by a primary that died: the lock is ours now.
        ::unlink(socketPath_.c_str());
        FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
        if (!socket.Valid() || ::bind(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(socket.Get(), 8) != 0) {
            DebugOutput("Instance channel: cannot listen; later instances will not find this one\n");
            return;
        }
        listener_ = std::move(socket);
    }

    std::string lockPath_;
    std::string socketPath_;
    FileDescriptor lock_;
    FileDescriptor listener_;
    bool primary_ = false;
};

}  // namespace

std::unique_ptr<InstanceChannel> OpenInstanceChannel(std::string_view name, std::string folder) {
    if (folder.empty()) folder = RuntimeFolder();
    if (folder.empty()) return std::make_unique<PosixInstanceChannel>(std::string(), std::string());
    CreateFolders(folder);
    const std::string base = JoinPath(folder, SafeName(name));
    return std::make_unique<PosixInstanceChannel>(base + ".lock", base + ".sock");
}

}  // namespace platform
