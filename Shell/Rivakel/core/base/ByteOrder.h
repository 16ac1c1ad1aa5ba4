// Little-endian fields of the stored formats (resource blobs, ELF files, WAV files), read and
// written a byte at a time so that the machine's own order never matters. Callers check the
// bounds: each function touches exactly its field's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

inline constexpr uint64_t ReadLe(const uint8_t* p, size_t bytes) {
    uint64_t value = 0;
    for (size_t i = bytes; i-- > 0;) value = value << 8 | p[i];
    return value;
}
inline constexpr uint16_t ReadLe16(const uint8_t* p) { return static_cast<uint16_t>(ReadLe(p, 2)); }
inline constexpr uint32_t ReadLe32(const uint8_t* p) { return static_cast<uint32_t>(ReadLe(p, 4)); }
inline constexpr uint64_t ReadLe64(const uint8_t* p) { return ReadLe(p, 8); }

// The low `bytes` bytes of `value`, lowest first.
inline void WriteLe(uint8_t* p, uint64_t value, size_t bytes) {
    for (size_t i = 0; i < bytes; ++i, value >>= 8) p[i] = static_cast<uint8_t>(value);
}
inline void AppendLe(std::vector<uint8_t>& out, uint64_t value, size_t bytes) {
    out.resize(out.size() + bytes);
    WriteLe(out.data() + out.size() - bytes, value, bytes);
}
