// Hexadecimal digits and GUID text: the shell's one reader and writer of both.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

inline constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// '0'-'9' give 0-9, 'a'-'f' and 'A'-'F' give 10-15; any other character gives -1.
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
constexpr bool IsHexDigit(char c) { return HexDigitValue(c) >= 0; }
bool AllHexDigits(std::string_view text);

// "{8-4-4-4-12}" in hexadecimal digits of either case, and nothing else.
bool IsBracedGuid(std::string_view text);
// The 16 bytes as "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX", upper case, without braces.
std::string GuidText(std::span<const uint8_t, 16> bytes);
