// The headers of an ELF64 little-endian file held in memory: its sections and its loadable
// segments, each checked to lie inside the file. Nothing is loaded or run.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/ByteOrder.h"

namespace resources {

struct ElfSectionHeader {
    std::string_view name;  // empty when its name lies outside the name table
    uint32_t type = 0;
    uint64_t flags = 0;
    uint64_t address = 0;
    uint64_t offset = 0;
    uint64_t size = 0;
    uint32_t link = 0;
    uint64_t entrySize = 0;
};

struct ElfSegment {
    uint32_t type = 0;
    uint32_t flags = 0;
    uint64_t offset = 0;
    uint64_t address = 0;
    uint64_t fileSize = 0;
    uint64_t memorySize = 0;
};

inline constexpr uint32_t kElfSectionNoBits = 8;
inline constexpr uint32_t kElfSectionSymbols = 2;
inline constexpr uint32_t kElfSectionDynamicSymbols = 11;
inline constexpr uint32_t kElfSegmentLoad = 1;

class ElfImage {
public:
    // nullopt with `error` set when the file is not ELF64 little-endian or its section table or
    // section names lie outside it. A damaged segment table only leaves the segments empty.
    // The image refers to `file`, which must outlive it.
    static std::optional<ElfImage> Parse(std::span<const uint8_t> file, std::string* error = nullptr);

    const std::vector<ElfSectionHeader>& Sections() const { return sections_; }
    const std::vector<ElfSegment>& Segments() const { return segments_; }
    // The first section of that name; null when there is none.
    const ElfSectionHeader* FindSection(std::string_view name) const;
    // A section's bytes; nullopt for a section without file data or one outside the file.
    std::optional<std::span<const uint8_t>> Bytes(const ElfSectionHeader& section) const;
    std::span<const uint8_t> File() const { return file_; }

private:
    std::span<const uint8_t> file_;
    std::vector<ElfSectionHeader> sections_;
    std::vector<ElfSegment> segments_;
};

}  // namespace resources
