#include "core/resources/ElfImage.h"

#include <cstring>

#include "core/resources/ResourceFormat.h"

namespace resources {

namespace {

constexpr size_t kElfHeaderSize = 64;
constexpr size_t kSectionHeaderSize = 64;
constexpr size_t kSegmentHeaderSize = 56;

std::nullopt_t Fail(std::string* error, const char* why) {
    if (error != nullptr) *error = why;
    return std::nullopt;
}

ElfSectionHeader ReadSectionHeader(const uint8_t* s) {
    ElfSectionHeader header;
    header.type = ReadLe32(s + 4);
    header.flags = ReadLe64(s + 8);
    header.address = ReadLe64(s + 0x10);
    header.offset = ReadLe64(s + 0x18);
    header.size = ReadLe64(s + 0x20);
    header.link = ReadLe32(s + 0x28);
    header.entrySize = ReadLe64(s + 0x38);
    return header;
}

std::vector<ElfSegment> ReadSegments(std::span<const uint8_t> file) {
    const uint8_t* h = file.data();
    const uint64_t tableAt = ReadLe64(h + 0x20);
    const uint16_t entrySize = ReadLe16(h + 0x36);
    const uint16_t count = ReadLe16(h + 0x38);
    std::vector<ElfSegment> segments;
    if (entrySize < kSegmentHeaderSize || !InRange(tableAt, uint64_t{count} * entrySize, file.size())) return segments;
    for (uint16_t i = 0; i < count; ++i) {
        const uint8_t* p = h + tableAt + uint64_t{i} * entrySize;
        segments.push_back({ReadLe32(p), ReadLe32(p + 4), ReadLe64(p + 8), ReadLe64(p + 0x10), ReadLe64(p + 0x20),
                            ReadLe64(p + 0x28)});
    }
    return segments;
}

}  // namespace

std::optional<ElfImage> ElfImage::Parse(std::span<const uint8_t> file, std::string* error) {
    const uint64_t size = file.size();
    if (size < kElfHeaderSize || std::memcmp(file.data(), "\x7f" "ELF", 4) != 0) return Fail(error, "not an ELF file");
    if (file[4] != 2 || file[5] != 1) return Fail(error, "not ELF64 little-endian");
    const uint8_t* h = file.data();
    const uint64_t tableAt = ReadLe64(h + 0x28);
    const uint16_t entrySize = ReadLe16(h + 0x3A);
    const uint16_t count = ReadLe16(h + 0x3C);
    const uint16_t namesIndex = ReadLe16(h + 0x3E);
    if (count == 0) return Fail(error, "no section headers");
    if (entrySize < kSectionHeaderSize) return Fail(error, "section header too small");
    if (!InRange(tableAt, uint64_t{count} * entrySize, size)) return Fail(error, "section table outside the file");
    if (namesIndex >= count) return Fail(error, "section name table index out of range");

    const auto header = [&](uint16_t index) { return h + tableAt + uint64_t{index} * entrySize; };
    const ElfSectionHeader names = ReadSectionHeader(header(namesIndex));
    if (names.type == kElfSectionNoBits || !InRange(names.offset, names.size, size))
        return Fail(error, "section names outside the file");

    ElfImage image;
    image.file_ = file;
    image.segments_ = ReadSegments(file);
    image.sections_.reserve(count);
    for (uint16_t i = 0; i < count; ++i) {
        const uint8_t* s = header(i);
        ElfSectionHeader section = ReadSectionHeader(s);
        const uint32_t nameAt = ReadLe32(s);
        if (nameAt < names.size) {
            const char* text = reinterpret_cast<const char*>(h + names.offset + nameAt);
            if (const void* end = std::memchr(text, 0, names.size - nameAt)) {
                section.name = std::string_view(text, static_cast<size_t>(static_cast<const char*>(end) - text));
            }
        }
        image.sections_.push_back(section);
    }
    return image;
}

const ElfSectionHeader* ElfImage::FindSection(std::string_view name) const {
    for (const ElfSectionHeader& section : sections_) {
        if (!name.empty() && section.name == name) return &section;
    }
    return nullptr;
}

std::optional<std::span<const uint8_t>> ElfImage::Bytes(const ElfSectionHeader& section) const {
    if (section.type == kElfSectionNoBits || !InRange(section.offset, section.size, file_.size())) return std::nullopt;
    return file_.subspan(section.offset, section.size);
}

}  // namespace resources
