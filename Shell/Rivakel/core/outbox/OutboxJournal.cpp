#include "core/outbox/OutboxJournal.h"

#include <vector>

#include "core/base/Decimal.h"
#include "core/base/Log.h"
#include "core/store/RefusedFile.h"

namespace {

void AppendField(std::string& out, std::string_view field) {
    out += '\t';
    for (char c : field) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c; break;
        }
    }
}

std::optional<std::string> DecodeField(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size()) return std::nullopt;
        switch (field[i]) {
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        default: return std::nullopt;
        }
    }
    return out;
}

std::optional<uint32_t> ParseId(std::string_view text) {
    const std::optional<uint64_t> value = ParseDecimal(text, UINT32_MAX);
    return value ? std::optional<uint32_t>(static_cast<uint32_t>(*value)) : std::nullopt;
}

}  // namespace

std::string FormatJournalRecord(const JournalRecord& record) {
    std::string line(1, static_cast<char>(record.kind));
    AppendField(line, std::to_string(record.ids.high));
    AppendField(line, std::to_string(record.ids.low));
    if (record.kind == JournalRecord::Add) {
        for (const std::string* field :
             {&record.msgType, &record.function, &record.params, &record.forceConn, &record.priority}) {
            AppendField(line, *field);
        }
    } else if (record.kind == JournalRecord::Params) {
        AppendField(line, record.params);
    }
    line += '\n';
    return line;
}

std::optional<JournalRecord> ParseJournalRecord(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    if (fields[0].size() != 1 || fields.size() < 3) return std::nullopt;
    JournalRecord record;
    record.kind = static_cast<JournalRecord::Kind>(fields[0][0]);
    const size_t expected = record.kind == JournalRecord::Add      ? 8
                            : record.kind == JournalRecord::Params ? 4
                            : record.kind == JournalRecord::Remove || record.kind == JournalRecord::Sent ? 3
                                                                                                        : 0;
    if (fields.size() != expected) return std::nullopt;
    const std::optional<uint32_t> high = ParseId(fields[1]);
    const std::optional<uint32_t> low = ParseId(fields[2]);
    if (!high || !low) return std::nullopt;
    record.ids = {*high, *low};
    std::vector<std::string> decoded;
    for (size_t i = 3; i < fields.size(); ++i) {
        std::optional<std::string> field = DecodeField(fields[i]);
        if (!field) return std::nullopt;
        decoded.push_back(std::move(*field));
    }
    if (record.kind == JournalRecord::Add) {
        record.msgType = decoded[0];
        record.function = decoded[1];
        record.params = decoded[2];
        record.forceConn = decoded[3];
        record.priority = decoded[4];
    } else if (record.kind == JournalRecord::Params) {
        record.params = decoded[0];
    }
    return record;
}

OutboxJournal::OutboxJournal(std::string path) : path_(std::move(path)) {}

void OutboxJournal::Replay(const std::function<void(const JournalRecord&)>& apply) const {
    const std::optional<std::vector<uint8_t>> bytes = platform::ReadWholeFile(path_, kMaxJournalBytes);
    if (!bytes) {
        // The restart after the replay writes a new journal: the old one is kept, not lost.
        if (const std::optional<FileRefusal> why = WhyUnread(path_, kMaxJournalBytes)) KeepAside(path_, *why, "COutbox");
        return;
    }
    ReplayJournalText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), apply);
}

void ReplayJournalText(std::string_view text, const std::function<void(const JournalRecord&)>& apply) {
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n', start)) {
        if (std::optional<JournalRecord> record = ParseJournalRecord(text.substr(start, end - start))) apply(*record);
        start = end + 1;
    }
}

bool OutboxJournal::Restart(std::span<const JournalRecord> keep) {
    std::string text;
    for (const JournalRecord& record : keep) text += FormatJournalRecord(record);
    file_.reset();
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    if (!platform::WriteFileAtomic(path_, {bytes, text.size()}, platform::FileAccess::Private)) {
        Error("COutbox: cannot write %s", path_.c_str());
        return false;
    }
    records_ = keep.size();
    failed_ = false;
    return true;
}

bool OutboxJournal::Append(const JournalRecord& record) {
    if (!file_) file_ = platform::OpenAppendFile(path_);
    // After a failed append a piece of a record may end the file: end its line first.
    const std::string line = (failed_ ? "\n" : "") + FormatJournalRecord(record);
    const auto* bytes = reinterpret_cast<const uint8_t*>(line.data());
    if (!file_ || !file_->Append({bytes, line.size()})) {
        // Said once: the queue stays in memory and is saved with the Outbox file at the end.
        if (!failed_) Error("COutbox: cannot append to %s", path_.c_str());
        failed_ = true;
        file_.reset();
        return false;
    }
    ++records_;
    failed_ = false;
    return true;
}
