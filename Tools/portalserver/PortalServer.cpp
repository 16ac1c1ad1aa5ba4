#include "Tools/portalserver/PortalServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>

#include "Tools/portalserver/PortalRequest.h"
#include "core/base/HexText.h"

namespace portal {
namespace {

constexpr size_t kMaxRequestBytes = size_t{1} << 20;
// A client that sends nothing for this long is hung up on.
constexpr auto kReadTimeout = std::chrono::milliseconds(2000);
constexpr int kExpiryCheckMs = 100;

// A connection whose request is still coming in.
struct Incoming {
    int fd = -1;
    std::string bytes;
    std::chrono::steady_clock::time_point last;
};

enum class Progress { Reading, Complete, Failed };

// Takes what the client has sent so far without waiting for more.
Progress ReadAvailable(Incoming& client, std::chrono::steady_clock::time_point now) {
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::recv(client.fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (got < 0) return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? Progress::Reading : Progress::Failed;
        if (got == 0) return Progress::Failed;
        client.bytes.append(buffer, static_cast<size_t>(got));
        client.last = now;
        if (client.bytes.size() > kMaxRequestBytes) return Progress::Failed;
        const std::optional<HttpRequestHead> head = ParseRequestHead(client.bytes);
        if (head && client.bytes.size() >= head->headLength + head->contentLength) return Progress::Complete;
    }
}

const std::map<Fault, const char*>& FaultNames() {
    static const std::map<Fault, const char*> names = {
        {Fault::None, "ok"},       {Fault::Drop, "drop"},         {Fault::Reset, "reset"},   {Fault::Stall, "stall"},
        {Fault::Garbage, "garbage"}, {Fault::ServerError, "500"}, {Fault::Trickle, "trickle"},
        {Fault::Endless, "endless"}};
    return names;
}

bool SendAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t sent = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
        if (sent <= 0) return false;
        data.remove_prefix(static_cast<size_t>(sent));
    }
    return true;
}

std::string HttpReply(std::string_view status, std::string_view body) {
    return "HTTP/1.0 " + std::string(status) + "\r\nContent-Type: text/plain\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + std::string(body);
}

std::string ShellReply(std::string_view status, std::string_view text) {
    return "RIVSRV_REP" + std::string(status) + ":" + std::string(text);
}

std::string NewGuid(std::mt19937& random) {
    std::array<uint8_t, 16> bytes{};
    for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(random());
    return "{" + GuidText(bytes) + "}";
}

void Escape(std::string& out, std::string_view text) {
    for (char c : text) {
        if (c == '\\') out += "\\\\";
        else if (c == '\t') out += "\\t";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
}

std::string Unescape(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

}  // namespace

const char* FaultName(Fault fault) { return FaultNames().at(fault); }

std::optional<Fault> FaultFromName(std::string_view name) {
    for (const auto& [fault, text] : FaultNames()) {
        if (name == text) return fault;
    }
    return std::nullopt;
}

std::string FormatRecordLine(const ReceivedMessage& message) {
    std::string line;
    Escape(line, message.function);
    line += '\t';
    Escape(line, message.sessionId);
    line += '\t' + std::to_string(message.high) + '\t' + std::to_string(message.low) + '\t' + FaultName(message.fault) +
            '\t' + (message.viaProxy ? "proxy" : "direct") + '\t';
    Escape(line, message.params);
    return line + '\n';
}

std::optional<ReceivedMessage> ParseRecordLine(std::string_view line) {
    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    if (fields.size() != 7) return std::nullopt;
    ReceivedMessage message;
    message.function = Unescape(fields[0]);
    message.sessionId = Unescape(fields[1]);
    // A line spoilt by hand or by a cut write is skipped, not thrown over.
    for (auto [field, value] : {std::pair{fields[2], &message.high}, std::pair{fields[3], &message.low}}) {
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), *value);
        if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
    }
    const std::optional<Fault> fault = FaultFromName(fields[4]);
    if (!fault) return std::nullopt;
    message.fault = *fault;
    message.viaProxy = fields[5] == "proxy";
    message.params = Unescape(fields[6]);
    return message;
}

PortalServer::PortalServer(ServerOptions options) : options_(std::move(options)), random_(options_.seed) {}

PortalServer::~PortalServer() { Stop(); }

bool PortalServer::Start() {
    if (::pipe2(stopPipe_, O_CLOEXEC) != 0) return false;
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0) return false;
    const int on = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(options_.port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(listener_, 128) != 0) {
        return false;
    }
    socklen_t length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread([this] { AcceptLoop(); });
    return true;
}

void PortalServer::Stop() {
    if (!acceptor_.joinable()) return;
    stopping_ = true;
    const char byte = 0;
    (void)!::write(stopPipe_[1], &byte, 1);
    acceptor_.join();
    ::close(listener_);
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return connections_ == 0; });
    ::close(stopPipe_[0]);
    ::close(stopPipe_[1]);
}

void PortalServer::AcceptLoop() {
    std::vector<Incoming> incoming;
    for (;;) {
        std::vector<pollfd> entries = {{listener_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        for (const Incoming& client : incoming) entries.push_back({client.fd, POLLIN, 0});
        if (::poll(entries.data(), entries.size(), incoming.empty() ? -1 : kExpiryCheckMs) < 0) continue;
        if (entries[1].revents != 0) break;
        const auto now = std::chrono::steady_clock::now();
        std::vector<Incoming> reading;
        for (size_t i = 0; i < incoming.size(); ++i) {
            Incoming& client = incoming[i];
            Progress progress = Progress::Reading;
            if (entries[i + 2].revents != 0) {
                progress = ReadAvailable(client, now);
            } else if (now - client.last > kReadTimeout) {
                progress = Progress::Failed;
            }
            if (progress == Progress::Reading) {
                reading.push_back(std::move(client));
            } else if (progress == Progress::Failed || !Serve(client.fd, client.bytes)) {
                ::close(client.fd);
            }
        }
        incoming = std::move(reading);
        if ((entries[0].revents & POLLIN) != 0) {
            const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (fd >= 0) incoming.push_back({fd, {}, now});
        }
    }
    for (const Incoming& client : incoming) ::close(client.fd);
}

void PortalServer::HandOff(int fd, std::function<void()> work) {
    {
        std::lock_guard lock(mutex_);
        ++connections_;
    }
    std::thread([this, fd, work = std::move(work)] {
        work();
        ::close(fd);
        std::lock_guard lock(mutex_);
        --connections_;
        changed_.notify_all();
    }).detach();
}

bool PortalServer::Serve(int fd, std::string_view request) {
    // The answers are small and go out whole; only the holding faults wait, on their own thread.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const std::optional<HttpRequestHead> head = ParseRequestHead(request);
    const std::string function = FunctionOf(head->target);
    if (head->method == "POST" && !function.empty()) {
        return ServePost(fd, function, request.substr(head->headLength, head->contentLength), head->viaProxy);
    }
    if (head->method == "GET") {
        ServeGet(fd, head->target);
    } else {
        SendAll(fd, HttpReply("400 Bad Request", "bad request"));
    }
    return false;
}

void PortalServer::ServeGet(int fd, const std::string& target) {
    {
        std::lock_guard lock(mutex_);
        gets_.push_back(target);
    }
    if (target.find("/loop") != std::string::npos) {
        SendAll(fd, "HTTP/1.1 302 Moved\r\nLocation: http://127.0.0.1:" + std::to_string(port_) +
                        "/loop\r\nContent-Length: 0\r\n\r\n");
    } else if (FunctionOf(target) == "GetObjDefList1" && !options_.bannerRedirect.empty()) {
        SendAll(fd, "HTTP/1.1 302 Moved\r\nLocation: " + options_.bannerRedirect + "\r\nContent-Length: 0\r\n\r\n");
    } else if (FunctionOf(target) == "GetObjDefList1" || target.find("/banners") != std::string::npos) {
        SendAll(fd, HttpReply("200 OK", "RIVSRV_DEF00" + options_.bannerDocument));
    } else if (target.starts_with("/games/")) {
        // The page a mailing's recipient is sent to for a game they do not have.
        SendAll(fd, HttpReply("200 OK", "Get the game " + target.substr(7) + " here."));
    } else {
        SendAll(fd, HttpReply("404 Not Found", "not found"));
    }
}

Fault PortalServer::ChooseFault(const std::string& function) {
    std::lock_guard lock(mutex_);
    if (function == "Hello" && !options_.faultHello) return Fault::None;
    Fault fault = Fault::None;
    if (!queuedFaults_.empty()) {
        fault = queuedFaults_.front();
        queuedFaults_.pop_front();
    } else {
        double roll = std::uniform_real_distribution<double>(0.0, 1.0)(random_);
        for (const auto& [kind, rate] : options_.faultRates) {
            if (roll < rate) {
                fault = kind;
                break;
            }
            roll -= rate;
        }
    }
    if (fault != Fault::None) ++faults_;
    return fault;
}

std::string PortalServer::Answer(const std::string& function, const std::string& params) {
    std::lock_guard lock(mutex_);
    if (function == "Hello") return ShellReply(options_.helloStatus, options_.helloText);
    if (function == "GetShellGUID") return ShellReply("00", NewGuid(random_));
    if (function == "GetUserGUID") {
        const bool known = !subscribers_.insert(params).second;
        return known ? ShellReply("84", "") : ShellReply("00", NewGuid(random_));
    }
    return ShellReply("00", "OK");
}

bool PortalServer::ServePost(int fd, const std::string& function, std::string_view body, bool viaProxy) {
    const std::optional<ShellMessage> message = ParseShellMessage(body);
    if (!message) {
        SendAll(fd, HttpReply("400 Bad Request", "no message"));
        return false;
    }
    ReceivedMessage received{function, message->sessionId, message->high, message->low, message->params,
                             ChooseFault(function), viaProxy};
    Record(received);
    switch (received.fault) {
    case Fault::None:
        SendAll(fd, HttpReply("200 OK", Answer(function, message->params)));
        break;
    case Fault::Drop:
        break;
    case Fault::Reset: {
        const linger abort{1, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
        break;
    }
    case Fault::Stall:
        HandOff(fd, [this, fd] { Hold(fd); });
        return true;
    case Fault::Garbage: {
        std::string noise = "HTTP/1.0 200 OK\r\n\r\n";
        {
            std::lock_guard lock(mutex_);
            for (int i = 0; i < 64; ++i) noise += static_cast<char>(random_() & 0xFF);
        }
        SendAll(fd, noise);
        break;
    }
    case Fault::ServerError:
        SendAll(fd, HttpReply("500 Internal Server Error", "<html><body>server error</body></html>"));
        break;
    case Fault::Trickle:
        HandOff(fd, [this, fd, reply = HttpReply("200 OK", Answer(function, message->params))] {
            for (char c : reply) {
                if (stopping_ || !SendAll(fd, std::string_view(&c, 1))) break;
                std::this_thread::sleep_for(std::chrono::milliseconds(options_.trickleDelayMs));
            }
        });
        return true;
    case Fault::Endless:
        HandOff(fd, [this, fd] { StreamGarbage(fd); });
        return true;
    }
    return false;
}

void PortalServer::StreamGarbage(int fd) {
    // Until the client gives up or the server stops.
    const std::string block(4096, 'x');
    std::string noise = "HTTP/1.0 200 OK\r\n\r\n" + block;
    for (;; noise = block) {
        for (size_t offset = 0; offset < noise.size();) {
            pollfd entries[2] = {{fd, POLLOUT, 0}, {stopPipe_[0], POLLIN, 0}};
            if (::poll(entries, 2, -1) < 0) continue;
            if (entries[1].revents != 0 || (entries[0].revents & (POLLERR | POLLHUP)) != 0) return;
            const ssize_t sent = ::send(fd, noise.data() + offset, noise.size() - offset, MSG_NOSIGNAL | MSG_DONTWAIT);
            if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) return;
            if (sent > 0) offset += static_cast<size_t>(sent);
        }
    }
}

void PortalServer::Hold(int fd) {
    // Until the client gives up or the server stops.
    char byte = 0;
    for (;;) {
        pollfd entries[2] = {{fd, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        if (::poll(entries, 2, -1) < 0) continue;
        if (entries[1].revents != 0 || ::recv(fd, &byte, 1, 0) <= 0) return;
    }
}

void PortalServer::Record(const ReceivedMessage& message) {
    std::lock_guard lock(mutex_);
    received_.push_back(message);
    if (!options_.recordPath.empty()) {
        std::ofstream file(options_.recordPath, std::ios::app | std::ios::binary);
        file << FormatRecordLine(message);
    }
    changed_.notify_all();
}

void PortalServer::QueueFault(Fault fault, int count) {
    std::lock_guard lock(mutex_);
    for (int i = 0; i < count; ++i) queuedFaults_.push_back(fault);
}

std::vector<ReceivedMessage> PortalServer::Received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

std::vector<std::string> PortalServer::Gets() const {
    std::lock_guard lock(mutex_);
    return gets_;
}

size_t PortalServer::FaultsInjected() const {
    std::lock_guard lock(mutex_);
    return faults_;
}

bool PortalServer::WaitForMessages(size_t count, uint32_t ms) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(ms), [&] { return received_.size() >= count; });
}

}  // namespace portal
