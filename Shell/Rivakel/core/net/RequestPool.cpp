#include "core/net/RequestPool.h"

#include "core/base/Log.h"
#include "core/base/ShutdownFlag.h"
#include "core/base/Thunk.h"
#include "core/base/Timer.h"
#include "core/net/HttpWorker.h"
#include "core/net/Ipv4Text.h"
#include "platform/Host.h"

namespace {
constexpr uint32_t kPollIntervalMs = 1000;
}  // namespace

CRequestPool::CRequestPool(HttpTimeouts timeouts)
    : timeouts_(timeouts), timer_(std::make_unique<CTimer>(this, kPollIntervalMs, Thunk<&CRequestPool::Poll>)) {
    timer_->SetClock(TimerClock::Wall);
    // On the whole seconds, where the other once-a-second timers and the animations wake the loop.
    timer_->SetAligned(true);
}

CRequestPool::~CRequestPool() {
    timer_.reset();
    for (auto& slot : slots_) {
        if (slot && slot->Worker()) StopWorker(*slot);
        slot.reset();
    }
}

int CRequestPool::Start() { return timer_->Start(); }

CServerRequest* CRequestPool::NewRequest() {
    for (auto& slot : slots_) {
        if (slot) continue;
        slot = std::make_unique<CServerRequest>(this);
        if (!proxyName_.empty()) slot->SetProxy(proxyName_, proxyPort_);
        return slot.get();
    }
    return nullptr;
}

int CRequestPool::SetProxy(std::string_view name, uint16_t port) {
    proxyName_ = name;
    proxyPort_ = port;
    return 0;
}

size_t CRequestPool::FreeSlots() const {
    size_t free = 0;
    for (const auto& slot : slots_) free += slot ? 0 : 1;
    return free;
}

int CRequestPool::StartWorker(CHttpRequest& request) {
    if (request.Worker()) StopWorker(request);
    auto worker = std::make_unique<HttpWorker>();
    HttpWorker* started = worker.get();
    request.Worker() = std::move(worker);
    if (!started->Launch([this, &request] { RunWorker(request); })) {
        request.Worker().reset();
        Error("CSubsystem_Net::StartWorker: no thread for the request");
        return 1;
    }
    return 0;
}

int CRequestPool::StopWorker(CHttpRequest& request) {
    std::unique_ptr<HttpWorker>& worker = request.Worker();
    if (!worker) return 0;
    worker->RequestCancel();
    int waited = 0;
    while (!worker->WaitEnded(1000)) {
        if (++waited >= kWorkerStopSeconds) {
            FatalError("CSubsystem_Net::StopWorker: a worker did not stop");
            platform::ExitProcess(-1);
        }
    }
    worker.reset();
    return 0;
}

void CRequestPool::RunWorker(CHttpRequest& request) {
    const platform::CancelSignal& cancel = request.Worker()->Cancel();
    if (ShutdownRequested()) return;
    request.ClearReply();
    CSocketConnection connection(cancel, timeouts_);
    int result = 0;
    CHttpRequest::Endpoint& target = request.Current();
    if (target.address == 0) {
        uint32_t address = 0;
        if (std::optional<uint32_t> dotted = ParseIpv4(target.name)) {
            address = *dotted;
        } else if (platform::ResolveHost(target.name, cancel, timeouts_.lookupMs, address) != platform::NetStatus::Ok) {
            result = 1;
        }
        target.address = address;
    }
    if (ShutdownRequested()) return;
    if (result == 0) result = connection.Connect(target.address, target.port);
    if (ShutdownRequested()) return;
    HttpResponseReader reader(kMaxDocumentBytes, true);
    if (result == 0) result = connection.Exchange(request.RequestText(), reader);
    if (ShutdownRequested()) return;
    if (result == 0) {
        const std::optional<HttpHead>& head = reader.Head();
        const size_t length = head ? head->length + reader.Body().size() : reader.Kept().size();
        request.SetReply(std::string_view(reader.Kept()).substr(0, length));
        if (reader.Truncated() || (head && (head->chunked || head->badContentLength))) {
            result = 1;
        } else if (!request.HasRedirect() && head && (head->status < 200 || head->status > 299)) {
            result = 1;
        }
    }
    request.SetResult(result);
    request.SetState(CHttpRequest::Finished);
}

int CRequestPool::Poll() {
    for (auto& slot : slots_) {
        if (!slot || slot->GetState() != CHttpRequest::Finished) continue;
        StopWorker(*slot);
        if (slot->HasRedirect() && slot->Result() == 0) {
            if (slot->RedirectCount() < kMaxRedirects) {
                slot->CountRedirect();
                slot->Start();
                continue;
            }
            Warning("CRequestPool::Poll: too many redirects");
            slot->SetResult(1);
        }
        if (slot->RedirectRefused()) slot->SetResult(1);
        slot->SetState(CHttpRequest::Completed);
        // The slot is free again once the callback has taken what it wants.
        std::unique_ptr<CServerRequest> done = std::move(slot);
        done->RunCallback();
    }
    return 0;
}
