// The string and number helpers the shell uses instead of the C library. Every destination
// is a sized buffer: results are cut to fit and always terminated, so no caller can overflow.
// Null sources read as "".
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/base/Log.h"
#include "platform/Platform.h"

// printf formatting into `buffer`, cut to fit. Returns the length written (without terminator).
size_t FormatString(std::span<char> buffer, const char* format, ...) RIVAKEL_PRINTF(2, 3);
// printf formatting into a new string.
std::string FormatToString(const char* format, ...) RIVAKEL_PRINTF(1, 2);

char* SafeStrCpy(std::span<char> destination, const char* source);
// Copies at most `count` characters, stopping early at the source's end.
char* StrCopyN(std::span<char> destination, const char* source, size_t count);
// Appends to the text already in `destination`.
char* SafeStrCat(std::span<char> destination, const char* source);

// Bytewise as unsigned characters: -1, 0 or 1.
int StrCmp(const char* a, const char* b);
// Without regard to cp1252 letter case: below, at or above 0.
int StrCmpI(std::string_view a, std::string_view b);
bool EqualsNoCase(std::string_view a, std::string_view b);
// The cp1252 lower-case form of one byte.
char LowerCp1252(char c);

// 'A' to 'Z' become 'a' to 'z' up to the terminator; every other byte stays.
void StrLower(std::span<char> text);

// An unsigned number in radix 2 to 36 (lower-case digits). An invalid radix or a buffer too
// small for the whole number gives "".
const char* ULongToStr(uint32_t value, std::span<char> buffer, unsigned radix);
// The decimal text of a number.
std::string ULongToStaticStr(uint32_t value);

// Decimal text to int as strtol reads it (leading blanks, a sign, digits); values beyond the
// int range are clamped to it, text without digits gives 0.
int StrToInt(std::string_view text);

// True when the point lies strictly inside: all four bounds are exclusive.
bool PointInRect(const platform::Rect& rect, int x, int y);
