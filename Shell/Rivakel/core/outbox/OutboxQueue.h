// The queue of messages under the current user's element of the Outbox document, with the
// indexes that keep each operation cheap whatever the queue's length: by priority, by identity
// and in document order. Messages read from the file come in eight at first and five more
// whenever none of those read can be sent.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/outbox/OutboxJournal.h"
#include "core/outbox/OutboxMessage.h"

class RdtNode;

inline constexpr size_t kLoadedAtStart = 8;
inline constexpr size_t kLoadedLater = 5;
inline constexpr size_t kMergeLimit = 500;
inline constexpr int kUnknownMessageType = 10;
// The queue's messages as written in the Outbox file: new messages are refused past this, so the
// file stays well within what the store reads back (kMaxStoreFileBytes).
inline constexpr uint64_t kMaxQueuedBytes = uint64_t{16} << 20;

struct PickedMessage {
    int type = 0;
    MessageIds ids;
    std::string function;
    std::string params;  // unescaped, merged tracking lines included
    bool forceConn = false;  // a message sent again never forces the connection prompt
    int priority = 0;
};

class OutboxQueue {
public:
    // Works on `element` (null: an empty queue that keeps nothing). The first `loaded` messages
    // in it count as read.
    void Bind(RdtNode* element, size_t loaded = kLoadedAtStart);
    RdtNode* Element() const { return element_; }
    // Null: changes are not journalled.
    void SetJournal(OutboxJournal* journal) { journal_ = journal; }

    // Gives each message without an identity (ids that read as 0 and 0) one of `next`, so that
    // it is sent under that identity and leaves the queue when answered.
    void GiveIdentities(const std::function<MessageIds()>& next);
    // Appends a Message element (Params escaped). False, with nothing queued, when the queue
    // would pass kMaxQueuedBytes.
    bool Enqueue(int type, std::string_view function, std::string_view params, bool forceConn, int priority,
                 MessageIds ids);
    // Removes the first message with both ids: its type index (kUnknownMessageType for a name
    // outside the table); nullopt when no message has them.
    std::optional<int> Remove(MessageIds ids);
    // The message of highest priority among those read (ties: the first in document order; a
    // negative priority never), except `held`. A tracking line that was never sent takes in the
    // tracking lines that follow it in document order while the text so far and each candidate
    // stay within kMergeLimit characters; they leave the queue. A message whose function cannot
    // be sent is dropped.
    std::optional<PickedMessage> PickNext(std::optional<MessageIds> held = std::nullopt);
    // The message may have reached the server: its text never changes again.
    void MarkSent(MessageIds ids);
    bool Contains(MessageIds ids) const;
    size_t Size() const { return order_.size(); }
    // What the queued messages take in the Outbox file.
    uint64_t Bytes() const { return bytes_; }
    // Identities and types of the messages with ForceConn "true", in document order.
    std::vector<std::pair<MessageIds, int>> ForcedMessages() const;

    // Replays a journal record; records that no longer apply do nothing.
    void Apply(const JournalRecord& record);
    // What a restarted journal must keep: the messages already sent.
    std::vector<JournalRecord> SentRecords() const;

private:
    struct Entry {
        RdtNode* node = nullptr;
        MessageIds ids;
        int priority = 0;
        bool loaded = false;
        bool sent = false;
        size_t bytes = 0;  // as written in the file
    };

    uint64_t Index(RdtNode* node, bool loaded);
    void Drop(uint64_t seq);
    void Load(uint64_t seq);
    bool LoadMore();
    std::optional<uint64_t> Find(MessageIds ids) const;
    void Merge(uint64_t chosen, std::string& text);
    void Journal(const JournalRecord& record);
    void SetParams(uint64_t seq, const std::string& escaped);

    RdtNode* element_ = nullptr;
    OutboxJournal* journal_ = nullptr;
    uint64_t nextSeq_ = 0;
    uint64_t bytes_ = 0;
    std::map<uint64_t, Entry> order_;              // document order
    std::multimap<MessageIds, uint64_t> byIds_;
    std::set<std::pair<int, uint64_t>> pickable_;  // (-priority, seq) of read messages
    std::set<uint64_t> unread_;
};
