#include "core/resources/ResourceBlob.h"

#include <algorithm>
#include <cstring>

#include "core/resources/ResourceFormat.h"

namespace resources {

int CompareNoCase(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(UpperAscii(a[i]));
        const auto cb = static_cast<unsigned char>(UpperAscii(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int CompareKeys(std::string_view typeA, std::string_view nameA, std::string_view typeB, std::string_view nameB) {
    const int byType = CompareNoCase(typeA, typeB);
    return byType != 0 ? byType : CompareNoCase(nameA, nameB);
}

namespace {

std::nullopt_t Fail(std::string* error, const char* why) {
    if (error != nullptr) *error = why;
    return std::nullopt;
}

std::string_view TextAt(std::span<const uint8_t> bytes, uint32_t offset, uint32_t length) {
    return {reinterpret_cast<const char*>(bytes.data()) + offset, length};
}

}  // namespace

std::optional<ResourceBlob> ResourceBlob::Parse(std::span<const uint8_t> bytes, std::string* error) {
    if (bytes.size() < kHeaderSize) return Fail(error, "shorter than its header");
    if (std::memcmp(bytes.data(), kBlobMagic, sizeof kBlobMagic) != 0) return Fail(error, "bad magic");
    const uint32_t total = ReadLe32(bytes.data() + 8);
    const uint32_t resourceCount = ReadLe32(bytes.data() + 12);
    const uint32_t stringCount = ReadLe32(bytes.data() + 16);
    if (total < kHeaderSize || total > bytes.size()) return Fail(error, "stated size out of range");
    const uint64_t indexEnd = kHeaderSize + uint64_t{resourceCount} * kEntrySize + uint64_t{stringCount} * kStringEntrySize;
    if (indexEnd > total) return Fail(error, "index larger than the blob");

    ResourceBlob blob;
    blob.bytes_ = bytes.first(total);
    blob.resourceCount_ = resourceCount;
    blob.stringCount_ = stringCount;

    for (uint32_t i = 0; i < resourceCount; ++i) {
        const uint8_t* e = blob.bytes_.data() + kHeaderSize + size_t{i} * kEntrySize;
        const uint64_t keyLength = uint64_t{ReadLe16(e + 4)} + ReadLe16(e + 6);
        if (!InRange(ReadLe32(e), keyLength, total)) return Fail(error, "resource name out of range");
        if (!InRange(ReadLe32(e + 8), ReadLe32(e + 12), total)) return Fail(error, "resource data out of range");
        if (ReadLe16(e + 4) == 0) return Fail(error, "resource without a type");
        // Names and data never reach into the header or the index.
        if (ReadLe32(e) < indexEnd || (ReadLe32(e + 12) != 0 && ReadLe32(e + 8) < indexEnd))
            return Fail(error, "resource overlaps the index");
        if (i > 0) {
            const ResourceEntry previous = blob.EntryAt(i - 1);
            const ResourceEntry current = blob.EntryAt(i);
            if (CompareKeys(previous.type, previous.name, current.type, current.name) >= 0)
                return Fail(error, "resource index not sorted or not unique");
        }
    }
    const size_t stringsAt = kHeaderSize + size_t{resourceCount} * kEntrySize;
    for (uint32_t i = 0; i < stringCount; ++i) {
        const uint8_t* s = blob.bytes_.data() + stringsAt + size_t{i} * kStringEntrySize;
        if (!InRange(ReadLe32(s + 4), ReadLe32(s + 8), total)) return Fail(error, "string out of range");
        if (ReadLe32(s + 8) != 0 && ReadLe32(s + 4) < indexEnd) return Fail(error, "string overlaps the index");
        if (i > 0 && ReadLe32(s - kStringEntrySize) >= ReadLe32(s))
            return Fail(error, "string index not sorted or not unique");
    }
    return blob;
}

ResourceEntry ResourceBlob::EntryAt(size_t index) const {
    const uint8_t* e = bytes_.data() + kHeaderSize + index * kEntrySize;
    const uint32_t keyAt = ReadLe32(e);
    const uint16_t typeLength = ReadLe16(e + 4);
    const uint16_t nameLength = ReadLe16(e + 6);
    return {TextAt(bytes_, keyAt, typeLength), TextAt(bytes_, keyAt + typeLength, nameLength),
            bytes_.subspan(ReadLe32(e + 8), ReadLe32(e + 12))};
}

std::optional<std::span<const uint8_t>> ResourceBlob::Find(std::string_view type, std::string_view name) const {
    size_t low = 0, high = resourceCount_;
    while (low < high) {
        const size_t mid = low + (high - low) / 2;
        const ResourceEntry entry = EntryAt(mid);
        const int order = CompareKeys(entry.type, entry.name, type, name);
        if (order == 0) return entry.data;
        if (order < 0)
            low = mid + 1;
        else
            high = mid;
    }
    return std::nullopt;
}

std::optional<std::string_view> ResourceBlob::GetString(uint32_t id) const {
    const uint8_t* table = bytes_.data() + kHeaderSize + resourceCount_ * kEntrySize;
    size_t low = 0, high = stringCount_;
    while (low < high) {
        const size_t mid = low + (high - low) / 2;
        const uint8_t* s = table + mid * kStringEntrySize;
        const uint32_t midId = ReadLe32(s);
        if (midId == id) return TextAt(bytes_, ReadLe32(s + 4), ReadLe32(s + 8));
        if (midId < id)
            low = mid + 1;
        else
            high = mid;
    }
    return std::nullopt;
}

}  // namespace resources
