// Network services of the machine: the main thread's stream socket that never blocks, name
// lookups that answer through a descriptor, blocking sockets for worker threads that another
// thread can cancel at once, the system's proxy setting and the descriptor waits.
//
// IPv4 addresses are 32-bit numbers in host order (127.0.0.1 is 0x7F000001), ports 1 to 65535.
// Every descriptor is close-on-exec. Sending on a connection the peer has closed answers a
// failure and never raises SIGPIPE.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace platform {

// ---------------------------------------------------------------- waiting

// A descriptor to wait on together with the window events. The wait sets `readable` and
// `writable`; an error or hang-up on the descriptor counts as both.
struct WaitHandle {
    int descriptor = -1;
    bool read = false;
    bool write = false;
    bool readable = false;
    bool writable = false;
};

// Waits until one of `handles` is ready or `timeoutMs` passed (0: only looks). Handles with a
// negative descriptor are ignored. True when one is ready.
bool WaitForHandles(std::span<WaitHandle> handles, uint32_t timeoutMs);

// ---------------------------------------------------------------- outcomes

enum class NetStatus {
    Ok,
    WouldBlock,  // nothing can be done now; the descriptor's readiness says when
    Closed,      // the peer ended the stream
    Refused,     // nobody listens at the address
    Aborted,     // the connection was given up on this side
    Reset,       // the peer reset the connection
    TimedOut,
    Cancelled,
    Failed,      // any other failure (unreachable, no resources, bad argument)
};

// ---------------------------------------------------------------- main-thread socket

// A TCP connection that never blocks: the caller waits on its descriptor with the loop.
class StreamSocket {
public:
    virtual ~StreamSocket() = default;
    virtual int Descriptor() const = 0;
    // Ok when connected at once, WouldBlock when the outcome comes later (the descriptor turns
    // writable; then ask ConnectOutcome), else the failure.
    virtual NetStatus Connect(uint32_t address, uint16_t port) = 0;
    virtual NetStatus ConnectOutcome() = 0;
    // `sent` bytes went; WouldBlock when none could.
    virtual NetStatus Send(std::span<const uint8_t> data, size_t& sent) = 0;
    // `received` bytes came; Closed at the end of the stream, WouldBlock when none waits.
    virtual NetStatus Receive(std::span<uint8_t> buffer, size_t& received) = 0;
    virtual void ShutdownSend() = 0;
};
// Null when the machine gives no socket.
std::unique_ptr<StreamSocket> OpenStreamSocket();

// ---------------------------------------------------------------- cancelling a worker

// Set once from any thread; every blocking call below that was given it returns Cancelled at
// once, also when it was already waiting.
class CancelSignal {
public:
    CancelSignal();
    ~CancelSignal();
    CancelSignal(const CancelSignal&) = delete;
    CancelSignal& operator=(const CancelSignal&) = delete;
    void Cancel();
    bool Cancelled() const;
    int Descriptor() const { return descriptor_; }  // readable once cancelled

private:
    int descriptor_ = -1;
};

// ---------------------------------------------------------------- name lookups

// A lookup running beside the caller; its descriptor turns readable when it has ended.
class HostLookup {
public:
    virtual ~HostLookup() = default;
    virtual int Descriptor() const = 0;
    virtual bool Done() const = 0;
    // The first IPv4 address; nullopt when the name did not resolve (or not yet done).
    virtual std::optional<uint32_t> Address() const = 0;
};
// A dotted address answers at once without asking anybody. Null when no lookup can be started.
std::unique_ptr<HostLookup> StartHostLookup(const std::string& name);
// Blocking form for workers: ends on the answer, on `cancel` or after `timeoutMs`.
NetStatus ResolveHost(const std::string& name, const CancelSignal& cancel, uint32_t timeoutMs, uint32_t& address);

// ---------------------------------------------------------------- worker sockets

// A TCP connection for one worker thread. Each call ends when done, on `cancel` (Cancelled), or
// when `timeoutMs` passed without progress (TimedOut).
class BlockingSocket {
public:
    virtual ~BlockingSocket() = default;
    virtual NetStatus Connect(uint32_t address, uint16_t port, const CancelSignal& cancel, uint32_t timeoutMs) = 0;
    virtual NetStatus SendAll(std::span<const uint8_t> data, const CancelSignal& cancel, uint32_t timeoutMs) = 0;
    // Closed at the end of the stream.
    virtual NetStatus Receive(std::span<uint8_t> buffer, size_t& received, const CancelSignal& cancel,
                              uint32_t timeoutMs) = 0;
};
std::unique_ptr<BlockingSocket> OpenBlockingSocket();

// ---------------------------------------------------------------- machine settings

// The user's HTTP proxy as the environment gives it ("http_proxy"), unparsed; nullopt when unset.
std::optional<std::string> SystemHttpProxy();
// False only when the machine certainly has no network but loopback; true when unknown.
bool NetworkAvailable();
// The calling thread runs below normal priority where the system allows it (best effort).
void LowerThreadPriority();

}  // namespace platform
