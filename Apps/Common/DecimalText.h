// Decimal numbers as the settings store keeps them: text in, text out.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Digits gathered one at a time into an int that saturates at the int range.
class DecimalAccumulator {
public:
    void Add(int digit);
    int Value(bool negative) const;

private:
    int64_t magnitude_ = 0;
};

// Leading blanks and one sign are accepted, the number stops at the first non-digit, no digits
// give 0; values beyond the int range saturate instead of wrapping.
int ParseDecimal(std::string_view text);

// Room for any int in decimal with its sign and terminator.
using DecimalBuffer = std::array<char, 12>;
// The value in decimal, terminated; returns the buffer's text.
const char* FormatDecimal(int value, DecimalBuffer& out);

// Money as the games show it: "$999", "$1,000", "$1,000,005"; the sign is the caller's.
// `amount` is taken as its magnitude; 64 bits so that the magnitude of INT_MIN fits.
using MoneyBuffer = std::array<char, 24>;
const char* FormatMoney(int64_t amount, MoneyBuffer& out);
