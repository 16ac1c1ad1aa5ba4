// Name lookups: the system resolver blocks and cannot be interrupted, so each lookup runs on a
// detached helper thread that shares its state with the asker. An asker that stops waiting
// (cancelled, timed out, destroyed) leaves the helper to finish and free the state alone.
#include <arpa/inet.h>
#include <netdb.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <mutex>
#include <thread>

#include "platform/Net.h"
#include "platform/posix/SocketWait.h"

namespace platform {
namespace {

struct LookupState {
    LookupState() : descriptor(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
    ~LookupState() {
        if (descriptor >= 0) ::close(descriptor);
    }
    LookupState(const LookupState&) = delete;
    LookupState& operator=(const LookupState&) = delete;

    const int descriptor;
    std::atomic<bool> done{false};
    std::mutex mutex;
    std::optional<uint32_t> address;
};

std::optional<uint32_t> ParseDotted(const std::string& name) {
    in_addr parsed{};
    if (::inet_pton(AF_INET, name.c_str(), &parsed) != 1) return std::nullopt;
    return ntohl(parsed.s_addr);
}

std::optional<uint32_t> Resolve(const std::string& name) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) return std::nullopt;
    std::optional<uint32_t> address;
    for (const addrinfo* entry = found; entry != nullptr && !address; entry = entry->ai_next) {
        if (entry->ai_family == AF_INET && entry->ai_addr != nullptr) {
            address = ntohl(reinterpret_cast<const sockaddr_in*>(entry->ai_addr)->sin_addr.s_addr);
        }
    }
    ::freeaddrinfo(found);
    return address;
}

void Finish(LookupState& state, std::optional<uint32_t> address) {
    {
        std::lock_guard lock(state.mutex);
        state.address = address;
    }
    state.done = true;
    const uint64_t one = 1;
    (void)!::write(state.descriptor, &one, sizeof one);
}

std::shared_ptr<LookupState> Begin(const std::string& name) {
    auto state = std::make_shared<LookupState>();
    if (state->descriptor < 0) return nullptr;
    if (std::optional<uint32_t> dotted = ParseDotted(name)) {
        Finish(*state, dotted);
        return state;
    }
    if (name.empty() || name.find('\0') != std::string::npos) {
        Finish(*state, std::nullopt);
        return state;
    }
    try {
        std::thread([state, name] { Finish(*state, Resolve(name)); }).detach();
    } catch (const std::system_error&) {
        return nullptr;
    }
    return state;
}

class PosixHostLookup final : public HostLookup {
public:
    explicit PosixHostLookup(std::shared_ptr<LookupState> state) : state_(std::move(state)) {}
    int Descriptor() const override { return state_->descriptor; }
    bool Done() const override { return state_->done; }
    std::optional<uint32_t> Address() const override {
        std::lock_guard lock(state_->mutex);
        return state_->address;
    }

private:
    std::shared_ptr<LookupState> state_;
};

}  // namespace

std::unique_ptr<HostLookup> StartHostLookup(const std::string& name) {
    std::shared_ptr<LookupState> state = Begin(name);
    if (!state) return nullptr;
    return std::make_unique<PosixHostLookup>(std::move(state));
}

NetStatus ResolveHost(const std::string& name, const CancelSignal& cancel, uint32_t timeoutMs, uint32_t& address) {
    std::shared_ptr<LookupState> state = Begin(name);
    if (!state) return NetStatus::Failed;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!state->done) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) return NetStatus::TimedOut;
        const NetStatus status = posix::WaitReady(state->descriptor, POLLIN, cancel, static_cast<uint32_t>(left));
        if (status == NetStatus::Cancelled || status == NetStatus::Failed) return status;
    }
    std::lock_guard lock(state->mutex);
    if (!state->address) return NetStatus::Failed;
    address = *state->address;
    return NetStatus::Ok;
}

}  // namespace platform
