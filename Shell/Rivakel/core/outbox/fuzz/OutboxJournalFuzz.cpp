// Replays arbitrary bytes as the Outbox journal over a queue read from an Outbox file, as a start
// does, then sends all it can: a record read back formats to the line it came from, the queue's
// indexes agree with a fresh read of its element before and after, and every message picked leaves.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/outbox/OutboxJournal.h"
#include "core/outbox/OutboxQueue.h"
#include "core/store/RdtNode.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

// What a fresh read of the element gives, all of it read.
void CheckAgrees(const OutboxQueue& queue) {
    OutboxQueue fresh;
    fresh.Bind(queue.Element(), SIZE_MAX);
    Check(fresh.Size() == queue.Size() && fresh.Bytes() == queue.Bytes());
}

// Two messages already in the file, so records about them have something to act on.
void AddFileMessages(OutboxQueue& queue) {
    queue.Enqueue(kMsgTrackEvent, kTrackFunction, "1,SessionStarted", false, 1, {1, 1});
    queue.Enqueue(kMsgSubscribe, "GetUserGUID", "guest", true, 11, {2, 2});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RdtNode user("User");
    OutboxQueue queue;
    queue.Bind(&user);
    AddFileMessages(queue);
    ReplayJournalText(std::string_view(reinterpret_cast<const char*>(data), size), [&](const JournalRecord& record) {
        const std::string line = FormatJournalRecord(record);
        const std::optional<JournalRecord> again = ParseJournalRecord(std::string_view(line).substr(0, line.size() - 1));
        Check(again && FormatJournalRecord(*again) == line);
        queue.Apply(record);
    });
    CheckAgrees(queue);
    const size_t queued = queue.Size();
    size_t picks = 0;
    while (const std::optional<PickedMessage> picked = queue.PickNext()) {
        Check(++picks <= queued);
        queue.MarkSent(picked->ids);
        Check(queue.Remove(picked->ids).has_value());
    }
    CheckAgrees(queue);
    return 0;
}
