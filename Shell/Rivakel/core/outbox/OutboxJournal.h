// Every change to the queue is appended to a journal beside the Outbox file as it happens, so a
// queued message survives a killed process and an answered one is not sent again; rewriting the
// whole Outbox file on every answer would make delivery quadratic. The journal is folded into
// the Outbox file when it has grown long, and replayed over it at the next start.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "core/outbox/OutboxMessage.h"
#include "platform/Host.h"

struct JournalRecord {
    enum Kind : char { Add = 'A', Remove = 'R', Params = 'P', Sent = 'F' };
    Kind kind = Add;
    MessageIds ids;
    // Add: every attribute as stored (Params escaped); Params: the new escaped Params.
    std::string msgType, function, params, forceConn, priority;
};

// A record of one of the short kinds (Remove, Sent, or Params with its text).
inline JournalRecord ShortRecord(JournalRecord::Kind kind, MessageIds ids, std::string params = {}) {
    JournalRecord record;
    record.kind = kind;
    record.ids = ids;
    record.params = std::move(params);
    return record;
}

std::string FormatJournalRecord(const JournalRecord& record);
// nullopt for a line that is not one whole record (a torn or damaged line).
std::optional<JournalRecord> ParseJournalRecord(std::string_view line);

// Calls `apply` with each whole record of a journal's text in order; a damaged line is passed
// over, and a last line without its line end was cut short by a kill: it never happened.
void ReplayJournalText(std::string_view text, const std::function<void(const JournalRecord&)>& apply);

inline constexpr std::string_view kJournalFileName = "Outbox.jnl";
// Far beyond any queue the portal keeps; a larger file is not ours to load into memory.
inline constexpr uint64_t kMaxJournalBytes = uint64_t{64} << 20;

class OutboxJournal {
public:
    explicit OutboxJournal(std::string path);
    // Calls `apply` with each whole record in order; a damaged line is passed over. A journal that
    // is there but cannot be read is kept aside (RefusedFile.h).
    void Replay(const std::function<void(const JournalRecord&)>& apply) const;
    // After the Outbox file was written: the journal starts again holding only `keep`.
    bool Restart(std::span<const JournalRecord> keep);
    bool Append(const JournalRecord& record);
    size_t RecordsSinceRestart() const { return records_; }

private:
    std::string path_;
    std::unique_ptr<platform::AppendFile> file_;
    size_t records_ = 0;
    bool failed_ = false;
};
