#include "core/net/CSubsystem_Net.h"

#include <array>

#include "core/base/Log.h"
#include "core/base/ShutdownFlag.h"
#include "core/base/Thunk.h"
#include "core/base/Timer.h"
#include "core/net/Ipv4Text.h"
#include "core/net/NetResults.h"
#include "core/store/UserStore.h"
#include "platform/Platform.h"

namespace {

constexpr uint32_t kWatchdogMs = 1000;
constexpr int kHelloPriority = 13;
constexpr int kHelloType = 7;
// A server that keeps redirecting its handshake, even to the address in use, is followed this
// often, then the link stays offline until the next set-up, which may follow as many again.
constexpr int kMaxHandshakeRedirects = 5;
// One turn of the loop reads at most this much, so a flood cannot hold the loop.
constexpr int kMaxReceivesPerTurn = 64;
// A head and the reply record's text fit many times over; a reply that streams on past this is
// judged on what came so far.
constexpr uint64_t kMaxReplyBytes = 65536;

std::unique_ptr<CSubsystem_Net>& Slot() {
    static std::unique_ptr<CSubsystem_Net> net;
    return net;
}

}  // namespace

bool IsSendableFunction(std::string_view function) {
    if (function.empty() || function.size() > 64) return false;
    for (char c : function) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok) return false;
    }
    return true;
}

CSubsystem_Net::CSubsystem_Net(NetConfig config)
    : config_(std::move(config)),
      machine_(config_.machine ? std::move(config_.machine) : MakePlatformNetMachine()),
      pool_(std::make_unique<CRequestPool>(config_.http)),
      watchdog_(std::make_unique<CTimer>(this, kWatchdogMs, Thunk<&CSubsystem_Net::OnWatchdog>)) {
    pool_->Start();
    watchdog_->SetClock(TimerClock::Wall);
    // On the whole seconds, where the other once-a-second timers and the animations wake the loop.
    watchdog_->SetAligned(true);
    watchdog_->Start();
    RegisterWaitSource(this);
    if (!machine_->Start()) {
        Error("CSubsystem_Net: no socket layer");
        noSocketLayer_ = true;
        return;
    }
    SetUp();
}

CSubsystem_Net::~CSubsystem_Net() {
    UnregisterWaitSource(this);
    watchdog_.reset();
    pool_.reset();
    CloseSocket();
}

int CSubsystem_Net::OnWatchdog() {
    CheckDeadlines();
    return 0;
}

void CSubsystem_Net::ChooseServer() {
    serverHost_ = std::string(kDefaultServerHost);
    serverPort_ = kDefaultServerPort;
    uint32_t address = kDefaultServerAddress;
    if (config_.testServer) {
        const std::string& marker = *config_.testServer;
        const size_t colon = marker.rfind(':');
        serverHost_ = marker.substr(0, colon);
        const int port = colon == std::string::npos ? 0 : StrToInt(marker.substr(colon + 1));
        serverPort_ = port >= 1 && port <= 65535 ? static_cast<uint16_t>(port) : kDefaultServerPort;
        if (std::optional<uint32_t> dotted = ParseIpv4(serverHost_)) address = *dotted;
    }
    CSubsystem_UserStore* store = config_.store;
    if (store != nullptr && store->Installed()) {
        const RdtNode* shell = store->GetShellElement();
        const RdtNode* stored = shell != nullptr ? shell->FindChild("DefaultIP") : nullptr;
        if (stored != nullptr && !stored->Attrs().empty() && stored->Attrs()[0].value) {
            if (std::optional<uint32_t> parsed = ParseIpv4(*stored->Attrs()[0].value)) {
                address = *parsed;
            } else {
                Warning("CSubsystem_Net::SetUp: the stored server address is not usable");
            }
        }
    }
    SetServerAddress(address);
}

int CSubsystem_Net::SetUp() {
    if (noSocketLayer_) return kNetUnavailable;
    if (!config_.testServer && !machine_->NetworkAvailable()) {
        OnConnect(true);
        return 0;
    }
    std::optional<ProxySetting> system;
    if (std::optional<std::string> text = machine_->SystemProxy()) {
        system = ParseProxyUrl(*text);
        if (!system) Warning("CSubsystem_Net::SetUp: the environment's proxy setting is not usable");
    }
    proxy_ = ApplyStoredProxy(config_.store != nullptr ? config_.store->GetShellElement() : nullptr, system);
    pool_->SetProxy(proxy_.name, proxy_.port);
    ChooseServer();
    proxyAddress_.reset();
    proxyLookupPending_ = proxy_.Enabled();
    lookup_ = machine_->StartLookup(proxy_.Enabled() ? proxy_.name : serverHost_);
    if (!lookup_) Warning("CSubsystem_Net::SetUp: no name lookup could be started");
    setUp_ = true;
    handshakePending_ = true;
    handshakeDone_ = false;
    handshakeRedirects_ = 0;
    useLookedUp_ = false;
    lookupDone_ = false;
    Connect();
    return 0;
}

bool CSubsystem_Net::Connect() {
    connecting_ = true;
    closed_ = false;
    if (proxyLookupPending_) return false;
    CloseSocket();
    socket_ = machine_->OpenSocket();
    if (!socket_) {
        Error("CSubsystem_Net::Connect: no socket");
        connecting_ = false;
        handshakePending_ = false;
        return false;
    }
    const uint32_t target = proxy_.Enabled() && proxyAddress_ ? *proxyAddress_ : serverAddress_;
    const uint16_t port = proxy_.Enabled() ? proxy_.port : serverPort_;
    // The outcome, even an immediate one, is handled when the socket's descriptor turns ready:
    // never inside the caller, which may be the outbox in the middle of a send.
    const platform::NetStatus status = socket_->Connect(target, port);
    if (status != platform::NetStatus::Ok && status != platform::NetStatus::WouldBlock) pendingConnect_ = status;
    deadline_ = machine_->TickMs() + config_.connectTimeoutMs;
    deadlineSet_ = true;
    return true;
}

void CSubsystem_Net::CloseSocket() {
    socket_.reset();
    socketOpen_ = false;
    pendingConnect_.reset();
}

int CSubsystem_Net::AskForConnection() {
    promptUp_ = true;
    const int answer = config_.askConnection ? config_.askConnection(kConnectionPromptCaption, kConnectionPromptText)
                                             : platform::IdCancel;
    promptUp_ = false;
    return answer;
}

void CSubsystem_Net::OnConnect(bool error) {
    connecting_ = false;
    deadlineSet_ = false;
    if (error) {
        CloseSocket();
        if (!forceConn_) {
            if (!lookedUp_ || proxy_.Enabled() || *lookedUp_ == serverAddress_) {
                setUp_ = true;
                handshakePending_ = false;
                useLookedUp_ = true;
                return;
            }
            SetServerAddress(*lookedUp_);
            Connect();
            return;
        }
        if (AskForConnection() == platform::IdOk) {
            Connect();
            return;
        }
        ServerReply empty;
        handshakePending_ = false;
        if (sink_ != nullptr) sink_->OnReply(empty, kNetRefused);
        return;
    }
    socketOpen_ = true;
    // Until a "Hello" is answered with 0 nothing else goes to this server.
    if (handshakePending_ || !handshakeDone_) {
        handshakePending_ = true;
        ServerReply hello;
        hello.type = kHelloType;
        const int result = PostRequest("Hello", "", false, kHelloPriority, hello);
        if (result == kNetNotConnected || result == kNetPending) return;
        hello.status = kNoConnectionStatus;
        OnHelloReply(hello);
        return;
    }
    connected_ = true;
    closed_ = false;
    if (!inFlight_ && sink_ != nullptr) sink_->SendNext();
}

void CSubsystem_Net::SetServerAddress(uint32_t address) {
    serverAddress_ = address;
    serverAddressText_ = FormatIpv4(address) + (serverPort_ == 80 ? "" : ":" + std::to_string(serverPort_));
}

void CSubsystem_Net::OnHostLookup() {
    if (!lookup_ || !lookup_->Done()) return;
    const std::optional<uint32_t> address = lookup_->Address();
    lookup_.reset();
    lookupSucceeded_ = address.has_value();
    if (!address) {
        Warning("CSubsystem_Net::OnHostLookup: the name did not resolve");
        if (proxyLookupPending_) {
            FailProxyLookup();
            return;
        }
        if (!setUp_) SetUp();
        setUp_ = true;
        return;
    }
    lookedUp_ = address;
    lookupDone_ = true;
    if (proxyLookupPending_) {
        proxyAddress_ = address;
        proxyLookupPending_ = false;
        Connect();
    } else if (useLookedUp_) {
        handshakePending_ = true;
        SetServerAddress(*address);
        Connect();
    }
    setUp_ = true;
}

int CSubsystem_Net::OnHelloReply(ServerReply& reply) {
    if (reply.status >= kNoConnectionStatus) {
        useLookedUp_ = true;
        // The looked-up address is tried once a session; a server that keeps failing the
        // handshake is not called again and again.
        if (lookupDone_ && lookedUp_ && !proxy_.Enabled() && !switchedToLookedUp_ && *lookedUp_ != serverAddress_) {
            switchedToLookedUp_ = true;
            SetServerAddress(*lookedUp_);
            Connect();
        } else {
            EndHandshake();
        }
        return 0;
    }
    switch (reply.status) {
    case 0:
        connected_ = true;
        handshakePending_ = false;
        handshakeDone_ = true;
        serverReached_ = true;
        StartBannerDownload();
        if (sink_ != nullptr) sink_->SendNext();
        break;
    case 1:
    case 2:
        RedirectServer(reply, reply.status == 2);
        break;
    default:
        // Still pending: the next request connects and says "Hello" again.
        break;
    }
    return 0;
}

void CSubsystem_Net::EndHandshake() {
    // Offline until the next set-up or a late lookup answer starts another handshake.
    setUp_ = true;
    handshakePending_ = false;
}

void CSubsystem_Net::FailProxyLookup() {
    proxyLookupPending_ = false;
    connecting_ = false;
    deadlineSet_ = false;
    EndHandshake();
    // The forms waiting on a connection hear that there is none; their messages stay queued.
    ServerReply none;
    if (sink_ != nullptr) sink_->OnReply(none, kNetRefused);
}

void CSubsystem_Net::RedirectServer(ServerReply& reply, bool forGood) {
    const std::optional<uint32_t> address = ParseIpv4(reply.text);
    if (!address) {
        // Answered like any other status: nothing stored, and the next request asks again.
        Warning("CSubsystem_Net::OnHelloReply: the server named no usable address");
        return;
    }
    if (++handshakeRedirects_ > kMaxHandshakeRedirects) {
        Warning("CSubsystem_Net::OnHelloReply: the server keeps redirecting the handshake");
        EndHandshake();
        return;
    }
    if (forGood) StoreServerAddress(*address);
    SetServerAddress(*address);
    Connect();
}

void CSubsystem_Net::StoreServerAddress(uint32_t address) {
    CSubsystem_UserStore* store = config_.store;
    RdtNode* shell = store != nullptr && store->Installed() ? store->GetShellElement() : nullptr;
    if (shell == nullptr) return;
    RdtNode* stored = shell->FindChild("DefaultIP");
    const std::string text = FormatIpv4(address);
    if (stored != nullptr && !stored->Attrs().empty()) {
        stored->SetAttrValueAt(0, text);
    } else {
        shell->AddChild("DefaultIP")->SetAttr("IP", text);
    }
}

void CSubsystem_Net::StartBannerDownload() {
    CServerRequest* request = pool_->NewRequest();
    if (request == nullptr) {
        Warning("CSubsystem_Net::OnHelloReply: no free request slot for the banner definitions");
        return;
    }
    request->SetHost(FormatIpv4(serverAddress_), serverPort_);
    request->BuildRequest(CServerRequest::Method::Get, kBannerDefinitionsPath);
    request->SetCallback(config_.onBannerDefinitions);
    request->Start();
}

int CSubsystem_Net::Reset() {
    inFlight_ = false;
    CloseSocket();
    connected_ = false;
    setUp_ = false;
    closed_ = false;
    connecting_ = false;
    forceConn_ = false;
    deadlineSet_ = false;
    return SetUp();
}

std::string CSubsystem_Net::RequestText(std::string_view function, const ServerReply& reply,
                                              std::string_view params) const {
    std::string body = "msg=";
    body += config_.sessionId ? config_.sessionId() : std::string(kEmptyShellGuid);
    body += ',';
    body += kEmptyShellGuid;
    body += ',' + std::to_string(reply.msgIdH) + ',' + std::to_string(reply.msgIdL) + ',';
    body += params;
    std::string text = "POST ";
    if (proxy_.Enabled()) text += "http://" + serverAddressText_;
    text += "/1.0.0/";
    text += function;
    text += ".asp HTTP/1.0\nContent-type: application/x-www-form-urlencoded\nContent-length: ";
    text += std::to_string(body.size()) + "\n\n" + body;
    return text;
}

int CSubsystem_Net::PostRequest(std::string_view function, std::string_view params, bool forceConn,
                                      int /*priority*/, ServerReply& reply) {
    if (ShutdownRequested()) return kNetRefused;
    if (inFlight_ || connecting_ || promptUp_) return kNetNotConnected;
    forceConn_ = forceConn;
    if (closed_) {
        connected_ = false;
        closed_ = false;
        if (handshakeDone_ || handshakePending_) {
            Connect();
            return kNetNotConnected;
        }
    }
    if (!connected_ && !handshakePending_) {
        if (!setUp_ || !forceConn) return kNetNotConnected;
        if (AskForConnection() != platform::IdOk) return kNetRefused;
        SetUp();
        return kNetNotConnected;
    }
    if (!socketOpen_ || !socket_) return kNetNotConnected;
    if (!IsSendableFunction(function)) {
        Error("CSubsystem_Net::PostRequest: refused a function name that cannot be sent");
        return kNetBadArgument;
    }
    inFlightRecord_ = reply;
    output_ = RequestText(function, reply, params);
    outputSent_ = 0;
    reader_.emplace(kMaxReplyText, false);
    inFlight_ = true;
    deadline_ = machine_->TickMs() + config_.replyTimeoutMs;
    deadlineSet_ = true;
    if (!SendPending()) {
        inFlight_ = false;
        deadlineSet_ = false;
        CloseSocket();
        closed_ = true;
        return kNetSocketError;
    }
    return kNetPending;
}

bool CSubsystem_Net::ReadyToSend() const {
    return !ShutdownRequested() && connected_ && socketOpen_ && !closed_ && !inFlight_ && !connecting_ && !promptUp_;
}

bool CSubsystem_Net::SendPending() {
    while (outputSent_ < output_.size()) {
        size_t sent = 0;
        const auto* bytes = reinterpret_cast<const uint8_t*>(output_.data()) + outputSent_;
        const platform::NetStatus status = socket_->Send({bytes, output_.size() - outputSent_}, sent);
        if (status == platform::NetStatus::WouldBlock) return true;
        if (status != platform::NetStatus::Ok) return false;
        outputSent_ += sent;
    }
    return true;
}

void CSubsystem_Net::TrackStartupInfo() {
    if (startupInfoSent_ || !setUp_ || config_.store == nullptr) return;
    startupInfoSent_ = true;
    config_.store->Track("StartupInfo", {lookupSucceeded_ ? "1" : "0", config_.shellVersion.c_str()});
}

void CSubsystem_Net::OnSocketReady(bool readable, bool writable) {
    TrackStartupInfo();
    if (!socket_) return;
    if (connecting_) {
        if (!readable && !writable) return;
        const platform::NetStatus status = pendingConnect_ ? *pendingConnect_ : socket_->ConnectOutcome();
        pendingConnect_.reset();
        if (status == platform::NetStatus::WouldBlock) return;
        OnConnect(status != platform::NetStatus::Ok);
        return;
    }
    if (inFlight_ && writable && outputSent_ < output_.size() && !SendPending()) {
        FinishExchange(kNetSocketError);
        return;
    }
    if (readable) ReceiveReply();
}

void CSubsystem_Net::ReceiveReply() {
    std::array<uint8_t, 16384> buffer{};
    for (int turn = 0; turn < kMaxReceivesPerTurn && socket_; ++turn) {
        size_t received = 0;
        const platform::NetStatus status = socket_->Receive(buffer, received);
        if (status == platform::NetStatus::WouldBlock) return;
        if (status == platform::NetStatus::Ok) {
            // Bytes nobody asked for (a server talking out of turn) are dropped.
            if (!inFlight_) continue;
            const std::string_view piece(reinterpret_cast<const char*>(buffer.data()), received);
            if (reader_->Add(piece) == HttpResponseReader::State::Complete || reader_->Total() >= kMaxReplyBytes) {
                FinishExchange(kNetOk);
                return;
            }
            continue;
        }
        if (status != platform::NetStatus::Closed) socket_->ShutdownSend();
        if (!inFlight_) {
            CloseSocket();
            closed_ = true;
            return;
        }
        if (status == platform::NetStatus::Closed) reader_->End();
        FinishExchange(status == platform::NetStatus::Closed ? kNetNotConnected : kNetSocketError);
        return;
    }
}

void CSubsystem_Net::FinishExchange(int outcome) {
    deadlineSet_ = false;
    inFlight_ = false;
    CloseSocket();
    closed_ = true;
    ServerReply record = inFlightRecord_;
    int status = outcome;
    // Once any byte came the server has answered, however the connection then ended: only a
    // message that got nothing back is sent again.
    if (reader_ && reader_->Total() > 0) {
        status = ParseServerReply(reader_->Kept(), record) == kNetUnrecognised ? kNetUnrecognised : kNetOk;
    }
    reader_.reset();
    output_.clear();
    if (handshakePending_) {
        if (status != kNetOk) record.status = kNoConnectionStatus;
        OnHelloReply(record);
        return;
    }
    if (sink_ != nullptr) sink_->OnReply(record, status);
}

void CSubsystem_Net::CheckDeadlines() {
    if (!deadlineSet_ || static_cast<int32_t>(machine_->TickMs() - deadline_) < 0) return;
    deadlineSet_ = false;
    if (connecting_) {
        Warning("CSubsystem_Net: the connection took too long");
        OnConnect(true);
    } else if (inFlight_) {
        Warning("CSubsystem_Net: the server took too long to answer");
        FinishExchange(kNetSocketError);
    }
}

void CSubsystem_Net::AddWaitHandles(std::vector<platform::WaitHandle>& handles) {
    // While the connection prompt is up its events wait for the answer.
    if (promptUp_) return;
    if (lookup_) handles.push_back({.descriptor = lookup_->Descriptor(), .read = true});
    if (socket_ && socket_->Descriptor() >= 0) {
        const bool sending = inFlight_ && outputSent_ < output_.size();
        handles.push_back({.descriptor = socket_->Descriptor(), .read = !connecting_, .write = connecting_ || sending});
    }
}

void CSubsystem_Net::OnWaitHandles(std::span<const platform::WaitHandle> handles) {
    // Handling one may replace the other (a new socket can reuse a descriptor number).
    const platform::StreamSocket* socket = socket_.get();
    const platform::HostLookup* lookup = lookup_.get();
    for (const platform::WaitHandle& handle : handles) {
        if (!handle.readable && !handle.writable) continue;
        if (socket != nullptr && socket_.get() == socket && handle.descriptor == socket->Descriptor()) {
            OnSocketReady(handle.readable, handle.writable);
        } else if (lookup != nullptr && lookup_.get() == lookup && handle.descriptor == lookup->Descriptor()) {
            OnHostLookup();
        }
    }
}

CSubsystem_Net* NetService() { return Slot().get(); }

CSubsystem_Net* CreateNetSubsystem(NetConfig config) {
    Slot().reset();
    Slot() = std::make_unique<CSubsystem_Net>(std::move(config));
    return Slot().get();
}

void DestroyNetSubsystem() { Slot().reset(); }
