#include "core/base/Decimal.h"

std::optional<uint64_t> ParseDecimal(std::string_view digits, uint64_t limit, DecimalOverflow overflow) {
    if (digits.empty() || LeadingDigits(digits) != digits.size()) return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        const auto digit = static_cast<uint64_t>(c - '0');
        if (digit > limit || value > (limit - digit) / 10) {
            if (overflow == DecimalOverflow::Refuse) return std::nullopt;
            return limit;
        }
        value = value * 10 + digit;
    }
    return value;
}

std::optional<int64_t> ParseSignedDecimal(std::string_view text, int64_t min, int64_t max) {
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    // The magnitude's bound, computed without overflowing at the int64 minimum.
    const uint64_t limit = negative ? (min < 0 ? static_cast<uint64_t>(-(min + 1)) + 1 : 0)
                                    : (max > 0 ? static_cast<uint64_t>(max) : 0);
    const std::optional<uint64_t> magnitude = ParseDecimal(text, limit);
    if (!magnitude) return std::nullopt;
    const int64_t value = negative ? static_cast<int64_t>(0 - *magnitude) : static_cast<int64_t>(*magnitude);
    if (value < min || value > max) return std::nullopt;
    return value;
}

size_t LeadingDigits(std::string_view text) {
    size_t count = 0;
    while (count < text.size() && text[count] >= '0' && text[count] <= '9') ++count;
    return count;
}
