#include "core/resources/ElfSection.h"

#include <cstring>

#include "core/resources/ResourceFormat.h"

namespace resources {

namespace {

constexpr size_t kElfHeaderSize = 64;
constexpr size_t kSectionHeaderSize = 64;
constexpr uint32_t kSectionNoBits = 8;

uint64_t ReadLe64(const uint8_t* p) { return uint64_t{ReadLe32(p)} | uint64_t{ReadLe32(p + 4)} << 32; }

std::nullopt_t Fail(std::string* error, const char* why) {
    if (error != nullptr) *error = why;
    return std::nullopt;
}

}  // namespace

std::optional<std::span<const uint8_t>> FindElfSection(std::span<const uint8_t> file, std::string_view name,
                                                       std::string* error) {
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
    const uint8_t* names = header(namesIndex);
    const uint64_t namesAt = ReadLe64(names + 0x18);
    const uint64_t namesSize = ReadLe64(names + 0x20);
    if (ReadLe32(names + 4) == kSectionNoBits || !InRange(namesAt, namesSize, size))
        return Fail(error, "section names outside the file");

    for (uint16_t i = 0; i < count; ++i) {
        const uint8_t* s = header(i);
        const uint32_t nameAt = ReadLe32(s);
        if (nameAt >= namesSize) continue;
        const char* text = reinterpret_cast<const char*>(h + namesAt + nameAt);
        const size_t room = namesSize - nameAt;
        const void* end = std::memchr(text, 0, room);
        if (end == nullptr || std::string_view(text, static_cast<const char*>(end) - text) != name) continue;
        if (ReadLe32(s + 4) == kSectionNoBits) return Fail(error, "section holds no file data");
        const uint64_t at = ReadLe64(s + 0x18);
        const uint64_t bytes = ReadLe64(s + 0x20);
        if (!InRange(at, bytes, size)) return Fail(error, "section outside the file");
        return file.subspan(at, bytes);
    }
    return Fail(error, "no such section");
}

}  // namespace resources
