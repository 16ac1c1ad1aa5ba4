// The layout of a module's resource blob, shared by the packer and the runtime reader.
//
// Every number is little-endian; every offset counts from the first byte of the blob.
//
//   header (24 bytes)
//     0  char[8]  magic "RIVRES1\0"
//     8  u32      total size of the blob in bytes
//    12  u32      number of resources
//    16  u32      number of strings
//    20  u32      zero
//   resource index (16 bytes each), sorted by upper-cased type, then upper-cased name, no two equal
//     0  u32      offset of the key: the type's bytes directly followed by the name's bytes
//     4  u16      type length
//     6  u16      name length
//     8  u32      offset of the data
//    12  u32      size of the data
//   string index (12 bytes each), sorted by id, no two equal
//     0  u32      id
//     4  u32      offset of the text (cp1252, no terminator)
//     8  u32      length of the text
//   keys, texts and data follow in any order; each data block starts on a 4-byte boundary.
//
// Types are short upper-case words: "RCDATA" for files opened by name, "BITMAP", "ICON",
// "CURSOR" (see CursorResource.h). The blob sits in the ELF section named "rivres".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/base/ByteOrder.h"

namespace resources {

inline constexpr char kBlobMagic[8] = {'R', 'I', 'V', 'R', 'E', 'S', '1', '\0'};
inline constexpr size_t kHeaderSize = 24;
inline constexpr size_t kEntrySize = 16;
inline constexpr size_t kStringEntrySize = 12;
inline constexpr uint32_t kMaxKeyPart = 0xFFFF;
inline constexpr std::string_view kSectionName = "rivres";

inline constexpr std::string_view kTypeData = "RCDATA";
inline constexpr std::string_view kTypeBitmap = "BITMAP";
inline constexpr std::string_view kTypeIcon = "ICON";
inline constexpr std::string_view kTypeCursor = "CURSOR";

// True when [offset, offset + size) lies inside [0, limit); the 64-bit sum cannot wrap.
inline bool InRange(uint64_t offset, uint64_t size, uint64_t limit) { return offset <= limit && size <= limit - offset; }

inline char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Orders two texts as their ASCII upper-cased forms would order bytewise.
int CompareNoCase(std::string_view a, std::string_view b);
// Orders (type, name) keys the way the index is sorted.
int CompareKeys(std::string_view typeA, std::string_view nameA, std::string_view typeB, std::string_view nameB);

}  // namespace resources
