// The server connection: one link to the portal server, driven on the main thread without ever
// blocking. It chooses a proxy and the server's address, looks names up, connects, says "Hello",
// posts each outbox message as one HTTP/1.0 request and reads the whole reply (the server closes
// after each one, so every request has a connection of its own). After a good "Hello" it starts
// the banner-definition download in its pool of workers.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/WaitSources.h"
#include "core/net/HttpResponseReader.h"
#include "core/net/NetMachine.h"
#include "core/net/ProxyConfig.h"
#include "core/net/RequestPool.h"
#include "core/net/ServerReply.h"

class CSubsystem_UserStore;
class CTimer;

// Where replies and transport outcomes of outbox messages go: the outbox.
class INetReplySink {
public:
    virtual ~INetReplySink() = default;
    virtual void OnReply(ServerReply& reply, int status) = 0;
    virtual int SendNext() = 0;
};

// What the outbox needs of the connection; tests put a scripted one in its place.
class INetLink {
public:
    virtual ~INetLink() = default;
    virtual int PostRequest(std::string_view function, std::string_view params, bool forceConn, int priority,
                            ServerReply& reply) = 0;
    // Whether PostRequest would send now (and not only queue or reconnect).
    virtual bool ReadyToSend() const = 0;
    virtual int OnHelloReply(ServerReply& reply) = 0;
    virtual void SetReplySink(INetReplySink* sink) = 0;
};

inline constexpr std::string_view kDefaultServerHost = "localhost";
inline constexpr uint32_t kDefaultServerAddress = 0x7F000001;  // 127.0.0.1
inline constexpr uint16_t kDefaultServerPort = 80;
inline constexpr std::string_view kBannerDefinitionsPath = "/1.0.0/GetObjDefList1.asp";
inline constexpr std::string_view kConnectionPromptCaption = "Internet Connection Required";
inline constexpr std::string_view kConnectionPromptText =
    "Rivakel requires an internet connection to proceed.\nPlease connect to the internet and then press Ok.";

struct NetConfig {
    std::unique_ptr<INetMachine> machine;  // null: the platform's
    CSubsystem_UserStore* store = nullptr;  // proxy and address settings, "StartupInfo"
    // "host:port" of the local test server; replaces the default host, address and port.
    std::optional<std::string> testServer;
    std::string shellVersion;
    std::function<std::string()> sessionId;
    // The connection prompt; answers platform::IdOk or IdCancel. Null: Cancel.
    std::function<int(std::string_view caption, std::string_view text)> askConnection;
    // Receives the finished banner-definition request.
    HttpCallback onBannerDefinitions;
    uint32_t connectTimeoutMs = 20000;
    uint32_t replyTimeoutMs = 60000;  // from the request's send to the reply's end
    HttpTimeouts http;
};

class CSubsystem_Net final : public CWaitSource, public INetLink {
public:
    explicit CSubsystem_Net(NetConfig config);
    ~CSubsystem_Net() override;
    CSubsystem_Net(const CSubsystem_Net&) = delete;
    CSubsystem_Net& operator=(const CSubsystem_Net&) = delete;

    bool IsOffline() const { return !connected_; }
    // 29 while stopping; 28 when busy, not connected or when the connection must first be made
    // again (the outbox sends when it is); 27 when the send failed; 30 when sent (the reply goes
    // to the sink). The reply carries the record's ids and type.
    int PostRequest(std::string_view function, std::string_view params, bool forceConn, int priority,
                    ServerReply& reply) override;
    bool ReadyToSend() const override;
    int Reset();
    int OnHelloReply(ServerReply& reply) override;
    int StartWorker(CHttpRequest& request) { return pool_->StartWorker(request); }
    int StopWorker(CHttpRequest& request) { return pool_->StopWorker(request); }
    CRequestPool* GetRequestPool() { return pool_.get(); }

    void SetReplySink(INetReplySink* sink) override { sink_ = sink; }
    bool ServerReached() const { return serverReached_; }
    const std::string& ServerAddressText() const { return serverAddressText_; }
    const ProxySetting& Proxy() const { return proxy_; }

    // What the loop's wait delivers; tests with scripted sockets call them directly.
    void OnHostLookup();
    void OnSocketReady(bool readable, bool writable);
    // Ends a connect or a reply that took too long; run by the 1000 ms watchdog timer.
    void CheckDeadlines();

    void AddWaitHandles(std::vector<platform::WaitHandle>& handles) override;
    void OnWaitHandles(std::span<const platform::WaitHandle> handles) override;

private:
    int SetUp();
    bool Connect();
    void OnConnect(bool error);
    void EndHandshake();
    void FailProxyLookup();
    int AskForConnection();
    // False when the send failed; what the socket cannot take now goes when it turns writable.
    bool SendPending();
    void SetServerAddress(uint32_t address);
    void ReceiveReply();
    void FinishExchange(int outcome);
    void CloseSocket();
    void TrackStartupInfo();
    void ChooseServer();
    void RedirectServer(ServerReply& reply, bool forGood);
    // Core "Shell"/"DefaultIP", when installed.
    void StoreServerAddress(uint32_t address);
    void StartBannerDownload();
    std::string RequestText(std::string_view function, const ServerReply& reply, std::string_view params) const;
    int OnWatchdog();

    NetConfig config_;
    std::unique_ptr<INetMachine> machine_;
    std::unique_ptr<CRequestPool> pool_;
    std::unique_ptr<CTimer> watchdog_;
    INetReplySink* sink_ = nullptr;

    // The server and how to reach it.
    std::string serverHost_;
    uint32_t serverAddress_ = kDefaultServerAddress;
    uint16_t serverPort_ = kDefaultServerPort;
    std::string serverAddressText_;
    ProxySetting proxy_;
    std::optional<uint32_t> proxyAddress_;
    bool proxyLookupPending_ = false;
    std::unique_ptr<platform::HostLookup> lookup_;
    std::optional<uint32_t> lookedUp_;
    bool lookupDone_ = false;
    bool lookupSucceeded_ = false;
    bool useLookedUp_ = false;
    bool switchedToLookedUp_ = false;
    int handshakeRedirects_ = 0;

    // The connection.
    std::unique_ptr<platform::StreamSocket> socket_;
    std::optional<platform::NetStatus> pendingConnect_;  // an immediate connect failure, told later
    bool noSocketLayer_ = false;
    bool setUp_ = false;
    bool connecting_ = false;
    bool socketOpen_ = false;  // connected at the TCP level
    bool connected_ = false;   // ready for a request (after the handshake)
    bool closed_ = false;      // the server ended the last connection
    bool handshakePending_ = false;
    bool handshakeDone_ = false;  // a "Hello" was answered with 0
    bool forceConn_ = false;
    bool promptUp_ = false;
    bool startupInfoSent_ = false;
    bool serverReached_ = false;

    // The request in flight.
    bool inFlight_ = false;
    ServerReply inFlightRecord_;
    std::string output_;
    size_t outputSent_ = 0;
    std::optional<HttpResponseReader> reader_;
    uint32_t deadline_ = 0;
    bool deadlineSet_ = false;
};

// The session's server connection; null outside it.
CSubsystem_Net* NetService();
CSubsystem_Net* CreateNetSubsystem(NetConfig config);
void DestroyNetSubsystem();

// Whether a function name can go into a request line: 1 to 64 letters, digits and '_'.
bool IsSendableFunction(std::string_view function);
