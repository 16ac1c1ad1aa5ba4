// A checked, read-only view of one resource blob (layout in ResourceFormat.h).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace resources {

struct ResourceEntry {
    std::string_view type;
    std::string_view name;
    std::span<const uint8_t> data;
};

class ResourceBlob {
public:
    // Checks the whole blob once: header, every range inside the stated size (and the stated
    // size inside `bytes`), index order and uniqueness. nullopt with `error` set on any fault,
    // so that lookups afterwards need no further checks. The bytes must outlive the view.
    static std::optional<ResourceBlob> Parse(std::span<const uint8_t> bytes, std::string* error = nullptr);

    // Type and name compare without regard to case.
    std::optional<std::span<const uint8_t>> Find(std::string_view type, std::string_view name) const;
    std::optional<std::string_view> GetString(uint32_t id) const;

    size_t ResourceCount() const { return resourceCount_; }
    size_t StringCount() const { return stringCount_; }
    ResourceEntry EntryAt(size_t index) const;  // index < ResourceCount()
    std::span<const uint8_t> Bytes() const { return bytes_; }

private:
    ResourceBlob() = default;

    std::span<const uint8_t> bytes_;
    size_t resourceCount_ = 0;
    size_t stringCount_ = 0;
};

}  // namespace resources
