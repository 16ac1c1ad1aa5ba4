#include "core/base/HexText.h"

#include <algorithm>

namespace {

// Where the dashes stand in "{8-4-4-4-12}".
constexpr bool IsGuidDash(size_t at) { return at == 9 || at == 14 || at == 19 || at == 24; }

}  // namespace

bool AllHexDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), IsHexDigit); }

bool IsBracedGuid(std::string_view text) {
    if (text.size() != 38 || text.front() != '{' || text.back() != '}') return false;
    for (size_t i = 1; i < 37; ++i) {
        if (IsGuidDash(i) ? text[i] != '-' : !IsHexDigit(text[i])) return false;
    }
    return true;
}

std::string GuidText(std::span<const uint8_t, 16> bytes) {
    std::string text;
    text.reserve(36);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (IsGuidDash(text.size() + 1)) text += '-';
        text += kHexDigits[bytes[i] >> 4];
        text += kHexDigits[bytes[i] & 0x0F];
    }
    return text;
}
