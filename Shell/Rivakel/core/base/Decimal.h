// The shell's one reader of decimal numbers: stored files, server replies, HTTP heads and command
// lines all read their numbers with it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

enum class DecimalOverflow : uint8_t { Refuse, Saturate };

// The number is the whole of `digits`: '0' to '9' only, no blanks and no sign (a signed field's
// reader takes the sign itself). Empty text or any other character gives nothing. A value past
// `limit` gives nothing, or `limit` itself when the caller saturates; it never wraps.
std::optional<uint64_t> ParseDecimal(std::string_view digits, uint64_t limit,
                                     DecimalOverflow overflow = DecimalOverflow::Refuse);

// A signed field: one optional '+' or '-', then digits as above; nothing outside [min, max].
std::optional<int64_t> ParseSignedDecimal(std::string_view text, int64_t min, int64_t max);

// How many decimal digits `text` starts with, for fields that end at the first non-digit.
size_t LeadingDigits(std::string_view text);
