// Text is 8-bit cp1252 inside the system; these convert at the layer's edges.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The Unicode code point of a cp1252 byte; the five unassigned bytes map to themselves.
char32_t Cp1252ToUnicode(uint8_t byte);
// The cp1252 byte of a code point, or '?' when cp1252 has none.
uint8_t UnicodeToCp1252(char32_t codePoint);

std::string Cp1252ToUtf8(std::string_view cp1252);
// Malformed UTF-8 sequences become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace platform
