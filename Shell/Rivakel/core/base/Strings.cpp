#include "core/base/Strings.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>

#include "core/base/Decimal.h"

namespace {

const char* OrEmpty(const char* text) { return text != nullptr ? text : ""; }

size_t BoundedLength(const char* text, size_t limit) {
    const void* end = std::memchr(text, '\0', limit);
    return end != nullptr ? static_cast<size_t>(static_cast<const char*>(end) - text) : limit;
}

char* CopyInto(std::span<char> destination, size_t at, const char* source, size_t count) {
    if (destination.empty()) return destination.data();
    const size_t room = destination.size() - 1 - at;
    const size_t n = BoundedLength(OrEmpty(source), std::min(count, room));
    std::memcpy(destination.data() + at, OrEmpty(source), n);
    destination[at + n] = '\0';
    return destination.data();
}

}  // namespace

size_t FormatString(std::span<char> buffer, const char* format, ...) {
    if (buffer.empty()) return 0;
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer.data(), buffer.size(), OrEmpty(format), args);
    va_end(args);
    if (length < 0) {
        buffer[0] = '\0';
        return 0;
    }
    return std::min(static_cast<size_t>(length), buffer.size() - 1);
}

std::string FormatToString(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, OrEmpty(format), args);
    va_end(args);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), OrEmpty(format), copy);
        text.pop_back();
    }
    va_end(copy);
    return text;
}

char* SafeStrCpy(std::span<char> destination, const char* source) {
    return CopyInto(destination, 0, source, std::numeric_limits<size_t>::max());
}

char* StrCopyN(std::span<char> destination, const char* source, size_t count) {
    return CopyInto(destination, 0, source, count);
}

char* SafeStrCat(std::span<char> destination, const char* source) {
    if (destination.empty() || source == nullptr) return destination.data();
    const size_t at = BoundedLength(destination.data(), destination.size() - 1);
    return CopyInto(destination, at, source, std::numeric_limits<size_t>::max());
}

int StrCmp(const char* a, const char* b) {
    const int result = std::strcmp(OrEmpty(a), OrEmpty(b));
    return (result > 0) - (result < 0);
}

char LowerCp1252(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<char>(byte + 0x20);
    if (byte == 0x8A || byte == 0x8C || byte == 0x8E) return static_cast<char>(byte + 0x10);
    if (byte == 0x9F) return static_cast<char>(0xFF);
    return c;
}

int StrCmpI(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const auto la = static_cast<unsigned char>(LowerCp1252(a[i]));
        const auto lb = static_cast<unsigned char>(LowerCp1252(b[i]));
        if (la != lb) return la < lb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && StrCmpI(a, b) == 0;
}

void StrLower(std::span<char> text) {
    for (char& c : text) {
        if (c == '\0') return;
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
}

const char* ULongToStr(uint32_t value, std::span<char> buffer, unsigned radix) {
    if (buffer.empty()) return buffer.data();
    buffer[0] = '\0';
    if (radix < 2 || radix > 36) return buffer.data();
    char digits[33];
    size_t count = 0;
    do {
        const unsigned digit = value % radix;
        digits[count++] = static_cast<char>(digit < 10 ? '0' + digit : 'a' + digit - 10);
        value /= radix;
    } while (value != 0);
    if (count >= buffer.size()) return buffer.data();
    for (size_t i = 0; i < count; ++i) buffer[i] = digits[count - 1 - i];
    buffer[count] = '\0';
    return buffer.data();
}

std::string ULongToStaticStr(uint32_t value) {
    char text[16];
    return ULongToStr(value, text, 10);
}

int StrToInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    text.remove_prefix(i);
    const auto limit = static_cast<uint64_t>(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    const auto value = static_cast<int64_t>(
        ParseDecimal(text.substr(0, LeadingDigits(text)), limit, DecimalOverflow::Saturate).value_or(0));
    return static_cast<int>(negative ? -value : value);
}

bool PointInRect(const platform::Rect& rect, int x, int y) {
    return rect.left < x && x < rect.right && rect.top < y && y < rect.bottom;
}
