#include "core/outbox/COutbox.h"

#include <algorithm>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/HexText.h"
#include "core/base/Log.h"
#include "core/base/Thunk.h"
#include "core/base/Timer.h"
#include "core/net/NetResults.h"
#include "core/store/UserStore.h"
#include "platform/Host.h"

namespace {

constexpr uint32_t kResendIntervalMs = 1000;

std::unique_ptr<COutbox>& Slot() {
    static std::unique_ptr<COutbox> outbox;
    return outbox;
}

MessageIds IdsOf(const ServerReply& reply) { return {reply.msgIdH, reply.msgIdL}; }

}  // namespace

COutbox::COutbox(OutboxConfig config)
    : config_(std::move(config)), timer_(std::make_unique<CTimer>(this, kResendIntervalMs, Thunk<&COutbox::OnTimer>)) {
    timer_->SetClock(TimerClock::Wall);
    // On the whole seconds, where the other once-a-second timers and the animations wake the loop.
    timer_->SetAligned(true);
    if (config_.store != nullptr) {
        SetRoot(config_.store->GetCurrentUser());
        config_.store->SetOutbox(this);
    }
    if (config_.net != nullptr) config_.net->SetReplySink(this);
    timer_->Start();
}

COutbox::~COutbox() {
    timer_.reset();
    if (config_.net != nullptr) config_.net->SetReplySink(nullptr);
    if (config_.store != nullptr) config_.store->SetOutbox(nullptr);
    for (auto& [ids, slot] : waits_) slot->handler = nullptr;
    inFlight_.reset();
    Compact();
}

int COutbox::OnTimer() {
    held_.reset();
    return SendNext();
}

MessageIds COutbox::NewIds() {
    const TimeRecord now = ClockNow();
    // 0 and 0 mark a message that has no identity yet.
    MessageIds ids = ids_.Next(static_cast<uint32_t>(now.secondsSince2000), now.tickMs);
    if (ids == MessageIds{}) ids = ids_.Next(static_cast<uint32_t>(now.secondsSince2000), now.tickMs);
    return ids;
}

void COutbox::SetRoot(RdtNode* user) {
    if (config_.store == nullptr) return;
    std::optional<std::string_view> localid;
    if (user != nullptr && !user->Attrs().empty() && user->Attrs()[0].value) localid = *user->Attrs()[0].value;
    RdtNode* element = config_.store->GetOutboxUser(localid);
    if (element == queue_.Element()) return;
    queue_.SetJournal(nullptr);
    queue_.Bind(element);
    // Written into the Outbox file when the journal restarts.
    queue_.GiveIdentities([this] { return NewIds(); });
    OpenJournal();
}

void COutbox::OnInstalledChanged(bool installed) {
    if (installed) {
        OpenJournal();
        return;
    }
    queue_.SetJournal(nullptr);
    journal_.reset();
}

void COutbox::OpenJournal() {
    if (!config_.store->Installed()) return;
    const std::string folder = config_.store->SystemFolder();
    if (!platform::CreateFolders(folder)) return;
    if (!journal_) {
        journal_ = std::make_unique<OutboxJournal>(platform::JoinPath(folder, kJournalFileName));
        // What happened after the Outbox file was last written.
        journal_->Replay([this](const JournalRecord& record) { queue_.Apply(record); });
    }
    queue_.SetJournal(journal_.get());
    Compact();
}

void COutbox::Compact() {
    if (!journal_ || config_.store == nullptr) return;
    if (config_.store->SaveOutbox() != kStoreOk) return;
    const std::vector<JournalRecord> sent = queue_.SentRecords();
    journal_->Restart(sent);
}

int COutbox::Send(int type, std::string_view function, std::string_view params, bool forceConn, int priority) {
    ServerReply record;
    return Send(type, function, params, forceConn, priority, record);
}

int COutbox::Send(int type, std::string_view function, std::string_view params, bool forceConn, int priority,
                  ServerReply& record) {
    MessageIds ids = IdsOf(record);
    if (ids.high == 0 && ids.low == 0) {
        if (!IsSendableFunction(function)) {
            Error("COutbox::Send: refused a message whose function cannot be sent");
            return kNetBadArgument;
        }
        ids = NewIds();
        if (!queue_.Enqueue(type, function, params, forceConn, priority, ids)) {
            Error("COutbox::Send: refused a %.*s message: the queue would grow past %llu bytes",
                  static_cast<int>(std::min<size_t>(function.size(), 64)), function.data(),
                  static_cast<unsigned long long>(kMaxQueuedBytes));
            return kNetBadArgument;
        }
    }
    record.msgIdH = ids.high;
    record.msgIdL = ids.low;
    record.type = type;
    if (config_.net == nullptr || inFlight_) return kNetNotConnected;
    // Once it may have reached the server its text is fixed: it comes again the same.
    if (config_.net->ReadyToSend()) queue_.MarkSent(ids);
    const int result = config_.net->PostRequest(function, params, forceConn, priority, record);
    if (result == kNetPending) inFlight_ = ids;
    return result;
}

int COutbox::SendAndWait(int type, std::string_view function, std::string_view params, bool forceConn, int priority,
                         ReplyHandler handler, ReplyWait& wait) {
    ServerReply record;
    wait.Cancel();
    const int result = Send(type, function, params, forceConn, priority, record);
    if (result == kNetNotConnected || result == kNetPending) {
        auto slot = std::make_shared<ReplyWait::Slot>(ReplyWait::Slot{std::move(handler)});
        waits_[IdsOf(record)] = slot;
        wait = ReplyWait(std::move(slot));
    }
    return result;
}

int COutbox::TrackEvent(std::string_view event, int priority, const char* a, const char* b) {
    std::string params;
    if (a != nullptr) params = a;
    if (a != nullptr && b != nullptr) {
        params += ',';
        params += b;
    }
    return Send(kMsgTrackEvent, event, params, false, priority);
}

int COutbox::SendNext() {
    if (inFlight_) return kNetNotConnected;
    std::optional<PickedMessage> picked = queue_.PickNext(held_);
    if (!picked) return 0;
    ServerReply record;
    record.msgIdH = picked->ids.high;
    record.msgIdL = picked->ids.low;
    const int result = Send(picked->type, picked->function, picked->params, false, picked->priority, record);
    if (result == kNetRefused) FailForced();
    return result;
}

void COutbox::OnReply(ServerReply& reply, int status) {
    const MessageIds ids = IdsOf(reply);
    if (status == kNetRefused) {
        FailForced();
        return;
    }
    if (status == kNetPending) return;
    const bool answersFlight = inFlight_ && *inFlight_ == ids;
    // An unrecognised reply is an answer all the same: sent again it would only get another.
    if (status != kNetOk && status != kNetUnrecognised) {
        // No answer came: the message stays queued and goes again at a later tick.
        if (!answersFlight) return;
        inFlight_.reset();
        DispatchReply(reply, status);
        return;
    }
    if (answersFlight) inFlight_.reset();
    if (std::optional<int> type = queue_.Remove(ids)) reply.type = *type;
    DispatchReply(reply, status);
    if (journal_ && !inFlight_ && journal_->RecordsSinceRestart() > kJournalSlack + 2 * queue_.Size()) Compact();
    SendNext();
}

void COutbox::FailForced() {
    for (const auto& [ids, type] : queue_.ForcedMessages()) {
        ServerReply record;
        record.msgIdH = ids.high;
        record.msgIdL = ids.low;
        record.type = type;
        DispatchReply(record, kNetRefused);
    }
}

void COutbox::DispatchReply(ServerReply& reply, int status) {
    if (status != kNetOk) reply.status = kNoConnectionStatus;
    if (auto wait = waits_.find(IdsOf(reply)); wait != waits_.end()) {
        const ReplyHandler handler = std::move(wait->second->handler);
        waits_.erase(wait);
        if (handler) {
            handler(reply);
            if (reply.type == kMsgSubscribe && config_.store != nullptr) config_.store->SaveCore();
        }
    }
    switch (reply.type) {
    case kMsgGetShellGuid:
        if (reply.status >= kNoConnectionStatus) {
            RetryShellGuid(reply);
        } else {
            AcceptShellGuid(reply);
        }
        break;
    case kMsgHello:
        if (config_.net != nullptr) config_.net->OnHelloReply(reply);
        break;
    default:
        break;
    }
}

void COutbox::RetryShellGuid(const ServerReply& reply) {
    const MessageIds ids = IdsOf(reply);
    if (!queue_.Contains(ids)) {
        queue_.Enqueue(kMsgGetShellGuid, "GetShellGUID", config_.shellVersion, false, kGetShellGuidPriority, ids);
    }
    held_ = ids;
}

void COutbox::AcceptShellGuid(ServerReply& reply) {
    const std::string_view text = reply.text;
    const std::string_view guid = text.substr(0, text.find_first_of(" \t\r\n"));
    CSubsystem_UserStore* store = config_.store;
    if (!IsBracedGuid(guid) || store == nullptr) {
        Warning("COutbox::DispatchReply: the server sent no usable installation identifier");
        RetryShellGuid(reply);
        return;
    }
    RdtNode* shell = store->GetShellElement();
    if (shell == nullptr) return;
    shell->GetOrAddChild("ShellGUID")->SetText(guid);
    const std::string old = config_.sessionId ? config_.sessionId() : std::string(kEmptyShellGuid);
    if (config_.setSessionId) config_.setSessionId(std::string(guid));
    shell->GetOrAddChild("ShellLastVerSentToServer")->SetText(config_.shellVersion);
    store->SaveCore();
    TrackEvent("ReplaceSessionGUID", kGetShellGuidPriority, old.c_str());
    if (config_.sendEid) config_.sendEid();
}

COutbox* Outbox() { return Slot().get(); }

COutbox* CreateOutbox(OutboxConfig config) {
    Slot().reset();
    Slot() = std::make_unique<COutbox>(std::move(config));
    return Slot().get();
}

void DestroyOutbox() { Slot().reset(); }
