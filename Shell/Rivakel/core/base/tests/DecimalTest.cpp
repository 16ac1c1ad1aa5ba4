#include "core/base/Decimal.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace {

struct UnsignedCase {
    std::string_view text;
    uint64_t limit;
    DecimalOverflow overflow;
    std::optional<uint64_t> expected;
};

TEST(Decimal, AWholeFieldOfDigitsWithinItsLimitReadsAndAnythingElseIsRefusedOrSaturated) {
    constexpr auto kRefuse = DecimalOverflow::Refuse;
    constexpr auto kSaturate = DecimalOverflow::Saturate;
    const UnsignedCase cases[] = {
        {"0", 10, kRefuse, 0},
        {"007", 10, kRefuse, 7},
        {"4294967295", UINT32_MAX, kRefuse, 4294967295u},
        {"4294967296", UINT32_MAX, kRefuse, std::nullopt},
        {"4294967296", UINT32_MAX, kSaturate, 4294967295u},
        {"18446744073709551615", UINT64_MAX, kRefuse, UINT64_MAX},
        {"18446744073709551616", UINT64_MAX, kRefuse, std::nullopt},
        {"99999999999999999999999", UINT64_MAX, kSaturate, UINT64_MAX},
        {"7", 5, kRefuse, std::nullopt},  // a digit alone past a limit below ten
        {"7", 5, kSaturate, 5},
        {"", 10, kRefuse, std::nullopt},
        {"", 10, kSaturate, std::nullopt},
        {"+1", 10, kRefuse, std::nullopt},
        {"-1", 10, kSaturate, std::nullopt},
        {" 1", 10, kRefuse, std::nullopt},
        {"1 ", 10, kRefuse, std::nullopt},
        {"1a", 100, kSaturate, std::nullopt},
        {"0x10", 100, kRefuse, std::nullopt},
        {std::string_view("1\0" "2", 3), 100, kRefuse, std::nullopt},
    };
    for (const UnsignedCase& c : cases) {
        EXPECT_EQ(ParseDecimal(c.text, c.limit, c.overflow), c.expected) << "\"" << c.text << "\"";
    }
}

TEST(Decimal, ASignedFieldTakesOneSignAndStaysInsideItsRange) {
    const struct {
        std::string_view text;
        int64_t min, max;
        std::optional<int64_t> expected;
    } cases[] = {
        {"-2147483648", INT32_MIN, INT32_MAX, INT32_MIN},
        {"-2147483649", INT32_MIN, INT32_MAX, std::nullopt},
        {"2147483647", INT32_MIN, INT32_MAX, INT32_MAX},
        {"+2147483648", INT32_MIN, INT32_MAX, std::nullopt},
        {"-9223372036854775808", INT64_MIN, INT64_MAX, INT64_MIN},
        {"9223372036854775808", INT64_MIN, INT64_MAX, std::nullopt},
        {"+12", INT64_MIN, INT64_MAX, 12},
        {"-0", INT64_MIN, INT64_MAX, 0},
        {"-1", 0, 100, std::nullopt},
        {"5", 10, 20, std::nullopt},
        {"-", INT64_MIN, INT64_MAX, std::nullopt},
        {"+-1", INT64_MIN, INT64_MAX, std::nullopt},
        {"--1", INT64_MIN, INT64_MAX, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseSignedDecimal(c.text, c.min, c.max), c.expected) << "\"" << c.text << "\"";
    }
}

TEST(Decimal, LeadingDigitsStopAtTheFirstOtherCharacter) {
    EXPECT_EQ(LeadingDigits("123abc"), 3u);
    EXPECT_EQ(LeadingDigits("abc"), 0u);
    EXPECT_EQ(LeadingDigits(""), 0u);
    EXPECT_EQ(LeadingDigits("0123456789"), 10u);
}

}  // namespace
