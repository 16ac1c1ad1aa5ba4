#include "core/store/RdtRecordIndex.h"

#include "core/store/RdtNode.h"

namespace {

const std::string* KeyOf(const RdtNode& child, std::string_view name) {
    if (child.Attrs().size() < 2 || !EqualsNoCase(child.Name(), name)) return nullptr;
    const auto& key = child.Attrs()[0].value;
    return key ? &*key : nullptr;
}

}  // namespace

size_t RdtRecordIndex::FoldedHash::operator()(std::string_view key) const {
    // FNV-1a over the bytes as EqualsNoCase compares them.
    uint64_t hash = 14695981039346656037ull;
    for (char c : key) {
        hash ^= static_cast<unsigned char>(LowerCp1252(c));
        hash *= 1099511628211ull;
    }
    return static_cast<size_t>(hash);
}

bool RdtRecordIndex::FoldedEqual::operator()(std::string_view a, std::string_view b) const {
    return EqualsNoCase(a, b);
}

RdtRecordIndex::RdtRecordIndex(std::string_view name, const std::deque<std::unique_ptr<RdtNode>>& children)
    : name_(name) {
    byKey_.reserve(children.size());
    for (const auto& child : children) Add(*child);
}

RdtNode* RdtRecordIndex::Find(std::string_view key) const {
    const auto found = byKey_.find(key);
    return found == byKey_.end() ? nullptr : found->second;
}

void RdtRecordIndex::Add(RdtNode& child) {
    if (const std::string* key = KeyOf(child, name_)) byKey_.emplace(*key, &child);
}
