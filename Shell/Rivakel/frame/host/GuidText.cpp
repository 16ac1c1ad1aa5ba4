#include "frame/host/GuidText.h"

#include <algorithm>

#include "core/base/HexText.h"

namespace {

constexpr size_t kBracedLength = 36;

}  // namespace

std::string RepairGuidText(std::string_view text) {
    if (text.starts_with('{')) {
        const std::string_view body = text.substr(1);
        const bool valid = body.size() >= kBracedLength &&
                           std::all_of(body.begin(), body.begin() + kBracedLength,
                                       [](char c) { return IsHexDigit(c) || c == '-'; });
        return valid ? std::string(text) : std::string(kDefaultGuidText);
    }
    const size_t digits = kDefaultGuidDigits.size();
    if (text.size() >= digits && std::all_of(text.begin(), text.begin() + digits, IsHexDigit)) return std::string(text);
    std::string repaired(kDefaultGuidDigits);
    if (text.size() > digits) repaired += text.substr(digits);
    return repaired;
}
