#include "Apps/Common/DecimalText.h"

#include <climits>
#include <cstdio>

namespace {
// One past INT_MAX is the magnitude of INT_MIN; nothing larger is kept.
constexpr int64_t kMagnitudeLimit = int64_t{INT_MAX} + 1;
}  // namespace

void DecimalAccumulator::Add(int digit) {
    magnitude_ = magnitude_ * 10 + digit;
    if (magnitude_ > kMagnitudeLimit) magnitude_ = kMagnitudeLimit;
}

int DecimalAccumulator::Value(bool negative) const {
    if (negative) return static_cast<int>(-magnitude_);
    return magnitude_ > INT_MAX ? INT_MAX : static_cast<int>(magnitude_);
}

int ParseDecimal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    DecimalAccumulator number;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) number.Add(text[i] - '0');
    return number.Value(negative);
}

const char* FormatDecimal(int value, DecimalBuffer& out) {
    std::snprintf(out.data(), out.size(), "%d", value);
    return out.data();
}

const char* FormatMoney(int64_t amount, MoneyBuffer& out) {
    const int64_t a = amount < 0 ? -amount : amount;
    if (a < 1000)
        std::snprintf(out.data(), out.size(), "$%lld", static_cast<long long>(a));
    else if (a < 1000000)
        std::snprintf(out.data(), out.size(), "$%lld,%03lld", static_cast<long long>(a / 1000),
                      static_cast<long long>(a % 1000));
    else
        std::snprintf(out.data(), out.size(), "$%lld,%03lld,%03lld", static_cast<long long>(a / 1000000),
                      static_cast<long long>(a / 1000 % 1000), static_cast<long long>(a % 1000));
    return out.data();
}
