#include "core/files/MemoryBlocks.h"

#include <optional>

#include "core/base/Decimal.h"
#include "core/base/Strings.h"

namespace {

// Decimal digits only, at most 19 of them.
std::optional<uint64_t> ParseCount(std::string_view text) { return ParseDecimal(text, 9'999'999'999'999'999'999u); }

struct MemoryName {
    uint64_t size = 0;
    uint64_t token = 0;
};

std::optional<MemoryName> ParseName(std::string_view name) {
    if (!MemoryBlockTable::IsMemoryName(name)) return std::nullopt;
    name.remove_prefix(kMemoryNamePrefix.size());
    const size_t comma = name.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto size = ParseCount(name.substr(0, comma));
    const auto token = ParseCount(name.substr(comma + 1));
    if (!size || !token) return std::nullopt;
    return MemoryName{*size, *token};
}

}  // namespace

bool MemoryBlockTable::IsMemoryName(std::string_view name) {
    return name.size() >= kMemoryNamePrefix.size() &&
           EqualsNoCase(name.substr(0, kMemoryNamePrefix.size()), kMemoryNamePrefix);
}

std::string MemoryBlockTable::Register(std::shared_ptr<const std::vector<uint8_t>> block) {
    if (block == nullptr) block = std::make_shared<const std::vector<uint8_t>>();
    const uint64_t token = nextToken_++;
    const size_t size = block->size();
    blocks_.emplace(token, std::move(block));
    return FormatToString("MEM:%zu,%llu", size, static_cast<unsigned long long>(token));
}

bool MemoryBlockTable::Unregister(std::string_view name) {
    const auto parsed = ParseName(name);
    return parsed && Find(name) != nullptr && blocks_.erase(parsed->token) == 1;
}

std::shared_ptr<const std::vector<uint8_t>> MemoryBlockTable::Find(std::string_view name) const {
    const auto parsed = ParseName(name);
    if (!parsed) return nullptr;
    const auto found = blocks_.find(parsed->token);
    if (found == blocks_.end() || found->second->size() != parsed->size) return nullptr;
    return found->second;
}
