// A small stand-in for the portal's server on a loopback port. It answers every function the
// shell posts ("RIVSRV_" replies), serves the banner-definition document and redirects, keeps a
// record of every message it read, and fails on request: it drops the connection, resets it,
// stalls, answers garbage or an error page, streams garbage without end, or trickles its answer a
// byte at a time. Requests are read without waiting on any one client, so a slow client holds up
// no other; only connections that must be held (stalled, trickled, endless) get a thread.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace portal {

enum class Fault { None, Drop, Reset, Stall, Garbage, ServerError, Trickle, Endless };
const char* FaultName(Fault fault);
std::optional<Fault> FaultFromName(std::string_view name);

struct HelloAnswer {
    std::string status;  // two digits
    std::string text;
};

struct ServerOptions {
    uint16_t port = 0;            // 0: a free port
    std::string recordPath;       // one line per message read, appended; empty: none
    // The handshake's answers, one per handshake in turn; the last answers every later one.
    // None: status "00".
    std::vector<HelloAnswer> helloAnswers;
    std::string bannerDocument = "<RDT>\r\n  <Banners/>\r\n</RDT>\r\n";
    std::string bannerRedirect;   // "http://host:port/path": the banner fetch is sent there with a 302
    std::map<Fault, double> faultRates;  // chance per post of each fault
    uint32_t seed = 1;
    bool faultHello = false;      // faults reach the handshake too
    uint32_t trickleDelayMs = 2;
};

// One message as the server read it. `fault` is what the server then did instead of answering
// (None: it answered).
struct ReceivedMessage {
    std::string function;
    std::string sessionId;
    uint32_t high = 0;
    uint32_t low = 0;
    std::string params;
    Fault fault = Fault::None;
    bool viaProxy = false;
};

std::string FormatRecordLine(const ReceivedMessage& message);
std::optional<ReceivedMessage> ParseRecordLine(std::string_view line);

class PortalServer {
public:
    explicit PortalServer(ServerOptions options);
    ~PortalServer();
    PortalServer(const PortalServer&) = delete;
    PortalServer& operator=(const PortalServer&) = delete;

    bool Start();
    // Closes the listener, ends stalled connections and waits for every connection to end.
    void Stop();
    uint16_t Port() const { return port_; }

    // The next `count` posts get `fault` (before the random ones).
    void QueueFault(Fault fault, int count = 1);
    std::vector<ReceivedMessage> Received() const;
    std::vector<std::string> Gets() const;
    size_t FaultsInjected() const;
    // Waits until `count` messages were read (true) or `ms` passed.
    bool WaitForMessages(size_t count, uint32_t ms) const;

private:
    void AcceptLoop();
    // Runs `work` on a thread of its own, which then closes `fd`.
    void HandOff(int fd, std::function<void()> work);
    // Answers the whole request read from `fd`. True when the connection was handed to a thread
    // of its own, which closes it.
    bool Serve(int fd, std::string_view request);
    bool ServePost(int fd, const std::string& function, std::string_view body, bool viaProxy);
    void StreamGarbage(int fd);
    void ServeGet(int fd, const std::string& target);
    Fault ChooseFault(const std::string& function);
    std::string Answer(const std::string& function, const std::string& params);
    void Record(const ReceivedMessage& message);
    void Hold(int fd);

    ServerOptions options_;
    int listener_ = -1;
    int stopPipe_[2] = {-1, -1};
    uint16_t port_ = 0;
    std::thread acceptor_;
    std::atomic<bool> stopping_{false};

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    int connections_ = 0;
    std::deque<Fault> queuedFaults_;
    std::mt19937 random_;
    std::vector<ReceivedMessage> received_;
    std::vector<std::string> gets_;
    std::set<std::string> subscribers_;
    size_t hellosAnswered_ = 0;
    size_t faults_ = 0;
};

}  // namespace portal
