// Sockets on POSIX: non-blocking descriptors throughout; the blocking forms wait with poll on
// the socket and the cancel signal's eventfd together, so a cancel wakes them at once.
#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/Net.h"
#include "platform/posix/FileDescriptor.h"
#include "platform/posix/SocketWait.h"

namespace platform {
namespace {

using posix::FileDescriptor;
using posix::WaitReady;
using SteadyClock = std::chrono::steady_clock;

NetStatus FromErrno(int error) {
    switch (error) {
    case EAGAIN:
    case EINPROGRESS:
        return NetStatus::WouldBlock;
    case ECONNREFUSED:
        return NetStatus::Refused;
    case ECONNRESET:
    case EPIPE:
        return NetStatus::Reset;
    case ECONNABORTED:
        return NetStatus::Aborted;
    case ETIMEDOUT:
        return NetStatus::TimedOut;
    default:
        return NetStatus::Failed;
    }
}

sockaddr_in MakeAddress(uint32_t address, uint16_t port) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = htonl(address);
    return target;
}

int NewTcpDescriptor() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd >= 0) {
        // Requests are written whole; do not hold their last piece back.
        const int on = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    }
    return fd;
}

NetStatus StartConnect(int fd, uint32_t address, uint16_t port) {
    if (port == 0) return NetStatus::Failed;
    const sockaddr_in target = MakeAddress(address, port);
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0) return NetStatus::Ok;
        if (errno == EINTR) continue;
        return FromErrno(errno);
    }
}

NetStatus PendingConnectOutcome(int fd) {
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0) return FromErrno(errno);
    if (error == 0) return NetStatus::Ok;
    return error == EINPROGRESS || error == EALREADY ? NetStatus::WouldBlock : FromErrno(error);
}

NetStatus SendSome(int fd, std::span<const uint8_t> data, size_t& sent) {
    sent = 0;
    for (;;) {
        const ssize_t put = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
        if (put >= 0) {
            sent = static_cast<size_t>(put);
            return NetStatus::Ok;
        }
        if (errno == EINTR) continue;
        return FromErrno(errno);
    }
}

NetStatus ReceiveSome(int fd, std::span<uint8_t> buffer, size_t& received) {
    received = 0;
    if (buffer.empty()) return NetStatus::Failed;
    for (;;) {
        const ssize_t got = ::recv(fd, buffer.data(), buffer.size(), 0);
        if (got > 0) {
            received = static_cast<size_t>(got);
            return NetStatus::Ok;
        }
        if (got == 0) return NetStatus::Closed;
        if (errno == EINTR) continue;
        return FromErrno(errno);
    }
}

class PosixStreamSocket final : public StreamSocket {
public:
    explicit PosixStreamSocket(int fd) : fd_(fd) {}
    int Descriptor() const override { return fd_.Get(); }
    NetStatus Connect(uint32_t address, uint16_t port) override { return StartConnect(fd_.Get(), address, port); }
    NetStatus ConnectOutcome() override { return PendingConnectOutcome(fd_.Get()); }
    NetStatus Send(std::span<const uint8_t> data, size_t& sent) override { return SendSome(fd_.Get(), data, sent); }
    NetStatus Receive(std::span<uint8_t> buffer, size_t& received) override {
        return ReceiveSome(fd_.Get(), buffer, received);
    }
    void ShutdownSend() override { ::shutdown(fd_.Get(), SHUT_WR); }

private:
    FileDescriptor fd_;
};

class PosixBlockingSocket final : public BlockingSocket {
public:
    explicit PosixBlockingSocket(int fd) : fd_(fd) {}

    NetStatus Connect(uint32_t address, uint16_t port, const CancelSignal& cancel, uint32_t timeoutMs) override {
        if (cancel.Cancelled()) return NetStatus::Cancelled;
        NetStatus status = StartConnect(fd_.Get(), address, port);
        if (status != NetStatus::WouldBlock) return status;
        status = WaitReady(fd_.Get(), POLLOUT, cancel, timeoutMs);
        return status == NetStatus::Ok ? PendingConnectOutcome(fd_.Get()) : status;
    }

    NetStatus SendAll(std::span<const uint8_t> data, const CancelSignal& cancel, uint32_t timeoutMs) override {
        while (!data.empty()) {
            if (cancel.Cancelled()) return NetStatus::Cancelled;
            size_t sent = 0;
            NetStatus status = SendSome(fd_.Get(), data, sent);
            if (status == NetStatus::WouldBlock) status = WaitReady(fd_.Get(), POLLOUT, cancel, timeoutMs);
            if (status != NetStatus::Ok) return status;
            data = data.subspan(sent);
        }
        return NetStatus::Ok;
    }

    NetStatus Receive(std::span<uint8_t> buffer, size_t& received, const CancelSignal& cancel,
                      uint32_t timeoutMs) override {
        for (;;) {
            if (cancel.Cancelled()) return NetStatus::Cancelled;
            NetStatus status = ReceiveSome(fd_.Get(), buffer, received);
            if (status != NetStatus::WouldBlock) return status;
            status = WaitReady(fd_.Get(), POLLIN, cancel, timeoutMs);
            if (status != NetStatus::Ok) return status;
        }
    }

private:
    FileDescriptor fd_;
};

bool IsLoopbackInterface(const ifaddrs& entry) {
    if ((entry.ifa_flags & IFF_LOOPBACK) != 0) return true;
    if (entry.ifa_addr == nullptr) return true;
    return entry.ifa_addr->sa_family != AF_INET && entry.ifa_addr->sa_family != AF_INET6;
}

}  // namespace

bool WaitForHandles(std::span<WaitHandle> handles, uint32_t timeoutMs) {
    std::vector<pollfd> entries;
    entries.reserve(handles.size());
    for (WaitHandle& handle : handles) {
        handle.readable = handle.writable = false;
        entries.push_back({handle.descriptor, posix::PollEventsOf(handle), 0});
    }
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(timeoutMs);
    int ready = 0;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
        ready = ::poll(entries.data(), entries.size(), static_cast<int>(std::max<int64_t>(left, 0)));
        if (ready >= 0 || errno != EINTR) break;
    }
    if (ready <= 0) return false;
    bool any = false;
    for (size_t i = 0; i < handles.size(); ++i) any = posix::TakeReadiness(handles[i], entries[i].revents) || any;
    return any;
}

namespace posix {

short PollEventsOf(const WaitHandle& handle) {
    return static_cast<short>((handle.read ? POLLIN : 0) | (handle.write ? POLLOUT : 0));
}

bool TakeReadiness(WaitHandle& handle, short returned) {
    handle.readable = handle.writable = false;
    if (returned == 0 || handle.descriptor < 0) return false;
    const bool trouble = (returned & (POLLERR | POLLHUP | POLLNVAL)) != 0;
    handle.readable = trouble || (returned & POLLIN) != 0;
    handle.writable = trouble || (returned & POLLOUT) != 0;
    return true;
}

NetStatus WaitReady(int fd, short events, const CancelSignal& cancel, uint32_t timeoutMs) {
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        pollfd entries[2] = {{fd, events, 0}, {cancel.Descriptor(), POLLIN, 0}};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
        if (left <= 0) return NetStatus::TimedOut;
        const int ready = ::poll(entries, 2, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return NetStatus::Failed;
        if (entries[1].revents != 0) return NetStatus::Cancelled;
        if (entries[0].revents != 0) return NetStatus::Ok;
    }
}

}  // namespace posix

std::unique_ptr<StreamSocket> OpenStreamSocket() {
    const int fd = NewTcpDescriptor();
    if (fd < 0) return nullptr;
    return std::make_unique<PosixStreamSocket>(fd);
}

std::unique_ptr<BlockingSocket> OpenBlockingSocket() {
    const int fd = NewTcpDescriptor();
    if (fd < 0) return nullptr;
    return std::make_unique<PosixBlockingSocket>(fd);
}

CancelSignal::CancelSignal() : descriptor_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

CancelSignal::~CancelSignal() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

void CancelSignal::Cancel() {
    const uint64_t one = 1;
    if (descriptor_ >= 0) (void)!::write(descriptor_, &one, sizeof one);
}

bool CancelSignal::Cancelled() const {
    pollfd entry{descriptor_, POLLIN, 0};
    return descriptor_ < 0 || ::poll(&entry, 1, 0) > 0;
}

std::optional<std::string> SystemHttpProxy() {
    const char* value = std::getenv("http_proxy");
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

bool NetworkAvailable() {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return true;
    bool found = false;
    for (const ifaddrs* entry = list; entry != nullptr && !found; entry = entry->ifa_next) {
        found = (entry->ifa_flags & IFF_UP) != 0 && !IsLoopbackInterface(*entry);
    }
    ::freeifaddrs(list);
    return found;
}

void LowerThreadPriority() {
    // On Linux the nice value of a thread is its own.
    ::setpriority(PRIO_PROCESS, 0, ::getpriority(PRIO_PROCESS, 0) + 1);
}

}  // namespace platform
