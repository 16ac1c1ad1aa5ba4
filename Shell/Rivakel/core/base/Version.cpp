#include "core/base/Version.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/base/Log.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads `count` digits at `at`; false when any of them is not a digit.
bool Digits(std::string_view text, size_t at, size_t count, uint32_t& value) {
    value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (!IsDigit(text[i])) return false;
        value = value * 10 + static_cast<uint32_t>(text[i] - '0');
    }
    return true;
}

bool Parse(std::string_view text, VersionRecord& out, size_t buildDigits, uint32_t buildScale) {
    out = VersionRecord{};
    const size_t length = 9 + buildDigits;
    uint32_t major = 0, minor = 0, revision = 0, build = 0;
    const bool ok = text.size() >= length && text[2] == '.' && text[5] == '.' && text[8] == '.' &&
                    Digits(text, 0, 2, major) && Digits(text, 3, 2, minor) &&
                    Digits(text, 6, 2, revision) && Digits(text, 9, buildDigits, build);
    if (!ok) {
        Warning("Malformed version stamp (%.20s)", std::string(text.substr(0, 20)).c_str());
        return false;
    }
    out.major = static_cast<uint8_t>(major);
    out.minor = static_cast<uint8_t>(minor);
    out.revision = static_cast<uint8_t>(revision);
    out.build = static_cast<int32_t>(build);
    out.number = (major * 10000u + minor * 100u + revision) * buildScale + build;
    const size_t kept = std::min(text.size(), sizeof out.text - 1);
    std::memcpy(out.text, text.data(), kept);
    out.text[kept] = '\0';
    return true;
}

}  // namespace

bool ParseVersionStamp(std::string_view text, VersionRecord& out) { return Parse(text, out, 4, 10000); }

bool ParseShortVersionStamp(std::string_view text, VersionRecord& out) { return Parse(text, out, 2, 100); }

std::strong_ordering CompareVersions(const VersionRecord& a, const VersionRecord& b) {
    if (auto c = a.major <=> b.major; c != 0) return c;
    if (auto c = a.minor <=> b.minor; c != 0) return c;
    if (auto c = a.revision <=> b.revision; c != 0) return c;
    return a.build <=> b.build;
}
