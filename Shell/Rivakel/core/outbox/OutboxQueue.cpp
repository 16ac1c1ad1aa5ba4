#include "core/outbox/OutboxQueue.h"

#include "core/base/Decimal.h"
#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/net/CSubsystem_Net.h"
#include "core/store/OutboxSalvage.h"
#include "core/store/RdtNode.h"
#include "core/store/RdtWriter.h"

namespace {

std::string AttrText(const RdtNode& node, std::string_view name) {
    const std::string* value = node.AttrValue(name);
    return value != nullptr ? *value : std::string();
}

// The digits up to the first other character; 0 when there are none or they do not fit.
uint32_t ParseUnsigned(std::string_view text) {
    return static_cast<uint32_t>(ParseDecimal(text.substr(0, LeadingDigits(text)), UINT32_MAX).value_or(0));
}

MessageIds IdsOf(const RdtNode& node) {
    return {ParseUnsigned(AttrText(node, "MsgIDH")), ParseUnsigned(AttrText(node, "MsgIDL"))};
}

// RDT / Users / User / Message.
constexpr int kMessageDepth = 3;

// The Message element for an added record, its attributes in the order the Outbox file keeps.
RdtNode* AddMessage(RdtNode& parent, const JournalRecord& record, std::string_view forceConn) {
    RdtNode* node = parent.AddChild("Message");
    node->AddAttr("MsgIDH", std::to_string(record.ids.high));
    node->AddAttr("MsgIDL", std::to_string(record.ids.low));
    node->AddAttr("MsgType", record.msgType);
    node->AddAttr("Function", record.function);
    node->AddAttr("Params", record.params);
    node->AddAttr("ForceConn", forceConn);
    node->AddAttr("Priority", record.priority);
    return node;
}

}  // namespace

void OutboxQueue::Bind(RdtNode* element, size_t loaded) {
    element_ = element;
    order_.clear();
    bytes_ = 0;
    byIds_.clear();
    pickable_.clear();
    unread_.clear();
    if (element_ == nullptr) return;
    size_t count = 0;
    for (size_t i = 0; i < element_->ChildCount(); ++i) {
        RdtNode* child = element_->ChildAt(i);
        if (EqualsNoCase(child->Name(), "Message")) Index(child, count++ < loaded);
    }
}

uint64_t OutboxQueue::Index(RdtNode* node, bool loaded) {
    const uint64_t seq = nextSeq_++;
    Entry& entry = order_[seq];
    entry.node = node;
    entry.ids = IdsOf(*node);
    entry.priority = StrToInt(AttrText(*node, "Priority"));
    entry.bytes = WrittenSize(*node, kMessageDepth);
    bytes_ += entry.bytes;
    byIds_.emplace(entry.ids, seq);
    if (loaded) {
        Load(seq);
    } else {
        unread_.insert(seq);
    }
    return seq;
}

void OutboxQueue::Load(uint64_t seq) {
    Entry& entry = order_.at(seq);
    entry.loaded = true;
    unread_.erase(seq);
    if (entry.priority >= 0) pickable_.emplace(-entry.priority, seq);
}

bool OutboxQueue::LoadMore() {
    if (unread_.empty()) return false;
    for (size_t i = 0; i < kLoadedLater && !unread_.empty(); ++i) Load(*unread_.begin());
    return true;
}

void OutboxQueue::Drop(uint64_t seq) {
    const auto found = order_.find(seq);
    if (found == order_.end()) return;
    const Entry& entry = found->second;
    // Only what Load made pickable is there, and negating a negative priority may not fit.
    if (entry.priority >= 0) pickable_.erase({-entry.priority, seq});
    unread_.erase(seq);
    for (auto [it, end] = byIds_.equal_range(entry.ids); it != end; ++it) {
        if (it->second == seq) {
            byIds_.erase(it);
            break;
        }
    }
    bytes_ -= entry.bytes;
    element_->RemoveChild(entry.node);
    order_.erase(found);
}

std::optional<uint64_t> OutboxQueue::Find(MessageIds ids) const {
    std::optional<uint64_t> first;
    for (auto [it, end] = byIds_.equal_range(ids); it != end; ++it) {
        if (!first || it->second < *first) first = it->second;
    }
    return first;
}

void OutboxQueue::GiveIdentities(const std::function<MessageIds()>& next) {
    const auto unnamed = byIds_.equal_range(MessageIds{});
    std::vector<uint64_t> seqs;
    for (auto it = unnamed.first; it != unnamed.second; ++it) seqs.push_back(it->second);
    byIds_.erase(unnamed.first, unnamed.second);
    for (uint64_t seq : seqs) {
        Entry& entry = order_.at(seq);
        entry.ids = next();
        entry.node->SetAttr("MsgIDH", std::to_string(entry.ids.high));
        entry.node->SetAttr("MsgIDL", std::to_string(entry.ids.low));
        byIds_.emplace(entry.ids, seq);
    }
}

void OutboxQueue::Journal(const JournalRecord& record) {
    if (journal_ != nullptr) journal_->Append(record);
}

void OutboxQueue::SetParams(uint64_t seq, const std::string& escaped) {
    Entry& entry = order_.at(seq);
    entry.node->SetAttr("Params", escaped);
    bytes_ -= entry.bytes;
    entry.bytes = WrittenSize(*entry.node, kMessageDepth);
    bytes_ += entry.bytes;
}

bool OutboxQueue::Enqueue(int type, std::string_view function, std::string_view params, bool forceConn,
                          int priority, MessageIds ids) {
    if (element_ == nullptr) return true;
    JournalRecord record;
    record.kind = JournalRecord::Add;
    record.ids = ids;
    record.msgType = std::string(MessageTypeName(type));
    record.function = std::string(function);
    record.params = EscapeParams(params);
    record.forceConn = forceConn ? "true" : "false";
    record.priority = std::to_string(priority);
    RdtNode* node = AddMessage(*element_, record, record.forceConn);
    if (bytes_ + WrittenSize(*node, kMessageDepth) > kMaxQueuedBytes) {
        element_->RemoveChild(node);
        return false;
    }
    Journal(record);
    Index(node, true);
    return true;
}

std::optional<int> OutboxQueue::Remove(MessageIds ids) {
    const std::optional<uint64_t> seq = Find(ids);
    if (!seq) return std::nullopt;
    const int type = MessageTypeIndex(AttrText(*order_.at(*seq).node, "MsgType")).value_or(kUnknownMessageType);
    Journal(ShortRecord(JournalRecord::Remove, ids));
    Drop(*seq);
    return type;
}

bool OutboxQueue::Contains(MessageIds ids) const { return Find(ids).has_value(); }

void OutboxQueue::MarkSent(MessageIds ids) {
    const std::optional<uint64_t> seq = Find(ids);
    if (!seq || order_.at(*seq).sent) return;
    order_.at(*seq).sent = true;
    Journal(ShortRecord(JournalRecord::Sent, ids));
}

std::optional<PickedMessage> OutboxQueue::PickNext(std::optional<MessageIds> held) {
    for (;;) {
        std::optional<uint64_t> chosen;
        for (const auto& [negPriority, seq] : pickable_) {
            if (!held || order_.at(seq).ids != *held) {
                chosen = seq;
                break;
            }
        }
        if (!chosen) {
            if (!LoadMore()) return std::nullopt;
            continue;
        }
        const Entry& entry = order_.at(*chosen);
        PickedMessage picked;
        picked.function = AttrText(*entry.node, "Function");
        if (!IsSendableFunction(picked.function)) {
            Error("COutbox::PickNext: dropped a message whose function cannot be sent");
            Remove(entry.ids);
            continue;
        }
        picked.ids = entry.ids;
        picked.priority = entry.priority;
        picked.type = MessageTypeIndex(AttrText(*entry.node, "MsgType")).value_or(0);
        picked.params = UnescapeParams(AttrText(*entry.node, "Params"));
        if (picked.function == kTrackFunction && !entry.sent) Merge(*chosen, picked.params);
        return picked;
    }
}

void OutboxQueue::Merge(uint64_t chosen, std::string& text) {
    const std::string before = text;
    std::vector<uint64_t> taken;
    for (const auto& [seq, entry] : order_) {
        if (seq == chosen || !entry.loaded) continue;
        if (entry.sent || AttrText(*entry.node, "Function") != kTrackFunction || text.size() > kMergeLimit) break;
        const std::string params = UnescapeParams(AttrText(*entry.node, "Params"));
        if (params.size() > kMergeLimit) break;
        text += ',';
        text += params;
        taken.push_back(seq);
    }
    if (taken.empty()) return;
    const std::string escaped = EscapeParams(text);
    Journal(ShortRecord(JournalRecord::Params, order_.at(chosen).ids, escaped));
    SetParams(chosen, escaped);
    for (uint64_t seq : taken) {
        Journal(ShortRecord(JournalRecord::Remove, order_.at(seq).ids));
        Drop(seq);
    }
}

std::vector<std::pair<MessageIds, int>> OutboxQueue::ForcedMessages() const {
    std::vector<std::pair<MessageIds, int>> forced;
    for (const auto& [seq, entry] : order_) {
        if (EqualsNoCase(AttrText(*entry.node, "ForceConn"), "true")) {
            forced.emplace_back(entry.ids, MessageTypeIndex(AttrText(*entry.node, "MsgType")).value_or(0));
        }
    }
    return forced;
}

void OutboxQueue::Apply(const JournalRecord& record) {
    if (element_ == nullptr) return;
    const std::optional<uint64_t> seq = Find(record.ids);
    switch (record.kind) {
    case JournalRecord::Add: {
        if (seq) return;
        // As for every message read back: a re-sent message never forces the prompt.
        Index(AddMessage(*element_, record, "false"), true);
        return;
    }
    case JournalRecord::Remove:
        if (seq) Drop(*seq);
        return;
    case JournalRecord::Params:
        if (seq) SetParams(*seq, record.params);
        return;
    case JournalRecord::Sent:
        if (seq) order_.at(*seq).sent = true;
        return;
    }
}

std::vector<JournalRecord> OutboxQueue::SentRecords() const {
    std::vector<JournalRecord> records;
    for (const auto& [seq, entry] : order_) {
        if (entry.sent) records.push_back(ShortRecord(JournalRecord::Sent, entry.ids));
    }
    return records;
}
