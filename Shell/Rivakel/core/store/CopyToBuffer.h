// Copying a text out into a caller's fixed buffer.
#pragma once

#include <cstring>
#include <span>
#include <string_view>

// Copies as much of `text` as fits and always terminates; an empty buffer is left alone.
// Returns the number of characters copied.
inline size_t CopyToBuffer(std::string_view text, std::span<char> out) {
    if (out.empty()) return 0;
    const size_t n = text.size() < out.size() - 1 ? text.size() : out.size() - 1;
    if (n > 0) std::memcpy(out.data(), text.data(), n);
    out[n] = '\0';
    return n;
}
