// The outbox: every message of the shell goes to the server through it. A message is queued in
// the Outbox document before it is posted and leaves the queue only when the server answered it;
// a 1000 ms timer sends the queued message of highest priority (merging tracking lines), and
// each reply reaches the form that waits for it, the installation's identifier, or the handshake.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/net/CSubsystem_Net.h"
#include "core/outbox/OutboxJournal.h"
#include "core/outbox/OutboxQueue.h"
#include "core/outbox/ReplyWait.h"
#include "core/store/OutboxLink.h"

class CSubsystem_UserStore;
class CTimer;

inline constexpr int kGetShellGuidPriority = 12;
// A journal this much longer than the queue is folded into the Outbox file.
inline constexpr size_t kJournalSlack = 1000;

struct OutboxConfig {
    CSubsystem_UserStore* store = nullptr;
    INetLink* net = nullptr;
    std::string shellVersion;
    std::function<std::string()> sessionId;
    std::function<void(const std::string& id)> setSessionId;
    std::function<void()> sendEid;  // after a new installation identifier was stored
};

class COutbox final : public IOutboxLink, public INetReplySink {
public:
    // Registers with the store and the connection and starts the timer.
    explicit COutbox(OutboxConfig config);
    ~COutbox() override;
    COutbox(const COutbox&) = delete;
    COutbox& operator=(const COutbox&) = delete;

    // Queues the message and posts it when the connection is free: 30 sent, 28 or 29 queued,
    // 27 queued after a failed send, 1 for a function that cannot be sent or a queue too full to
    // take the message (nothing queued).
    int Send(int type, std::string_view function, std::string_view params, bool forceConn, int priority) override;
    // As Send; `record` carries the ids of a queued message being sent again (0 for a new one)
    // and receives the ids and type.
    int Send(int type, std::string_view function, std::string_view params, bool forceConn, int priority,
             ServerReply& record);
    // As Send; when the result is 28 or 30 the message's reply, or the news that there is no
    // connection (status 128), goes to `handler` once, unless `wait` was cancelled or destroyed
    // first. Any other result: no wait (the caller shows "no connection" at once).
    int SendAndWait(int type, std::string_view function, std::string_view params, bool forceConn, int priority,
                    ReplyHandler handler, ReplyWait& wait);
    // Params "a,b", "a" or ""; sent as type 1 with the event name as the function.
    int TrackEvent(std::string_view event, int priority, const char* a = nullptr, const char* b = nullptr);
    void SetRoot(RdtNode* user) override;
    void OnInstalledChanged(bool installed) override;

    int SendNext() override;
    void OnReply(ServerReply& reply, int status) override;
    // Tells every form waiting on a ForceConn message that there is no connection.
    void FailForced();
    void DispatchReply(ServerReply& reply, int status);

    OutboxQueue& Queue() { return queue_; }
    std::optional<MessageIds> InFlight() const { return inFlight_; }

private:
    int OnTimer();
    MessageIds NewIds();
    void OpenJournal();
    void Compact();
    void AcceptShellGuid(ServerReply& reply);
    void RetryShellGuid(const ServerReply& reply);

    OutboxConfig config_;
    OutboxQueue queue_;
    std::unique_ptr<OutboxJournal> journal_;
    std::unique_ptr<CTimer> timer_;
    MessageIdSource ids_;
    std::optional<MessageIds> inFlight_;
    // A GetShellGUID that failed waits for the next tick, so a failing server is not hammered.
    std::optional<MessageIds> held_;
    std::map<MessageIds, std::shared_ptr<ReplyWait::Slot>> waits_;
};

// The session's outbox; null outside it.
COutbox* Outbox();
COutbox* CreateOutbox(OutboxConfig config);
void DestroyOutbox();
