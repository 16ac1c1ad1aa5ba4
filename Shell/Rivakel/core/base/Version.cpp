#include "core/base/Version.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/base/Log.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAlphanumeric(char c) { return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A run of 1 to `maxDigits` digits at `at`, which moves past it; false when there is none,
// when it is longer or when its value passes `limit`.
bool Group(std::string_view text, size_t& at, size_t maxDigits, uint32_t limit, uint32_t& value) {
    value = 0;
    const size_t begin = at;
    while (at < text.size() && IsDigit(text[at])) {
        if (at - begin == maxDigits) return false;
        value = value * 10 + static_cast<uint32_t>(text[at++] - '0');
    }
    return at > begin && value <= limit;
}

bool Dot(std::string_view text, size_t& at) {
    if (at >= text.size() || text[at] != '.') return false;
    ++at;
    return true;
}

// Both forms are read alike, with groups of any width up to their range, so that a build
// written with four digits is never cut to two; they differ only in the documented number.
bool Parse(std::string_view text, VersionRecord& out, uint32_t buildScale) {
    out = VersionRecord{};
    size_t at = 0;
    uint32_t major = 0, minor = 0, revision = 0, build = 0;
    const bool ok = Group(text, at, 3, 255, major) && Dot(text, at) && Group(text, at, 3, 255, minor) &&
                    Dot(text, at) && Group(text, at, 3, 255, revision) && Dot(text, at) &&
                    Group(text, at, 9, 999999999, build) && (at == text.size() || !IsAlphanumeric(text[at]));
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

bool ParseVersionStamp(std::string_view text, VersionRecord& out) { return Parse(text, out, 10000); }

bool ParseShortVersionStamp(std::string_view text, VersionRecord& out) { return Parse(text, out, 100); }

std::strong_ordering CompareVersions(const VersionRecord& a, const VersionRecord& b) {
    if (auto c = a.major <=> b.major; c != 0) return c;
    if (auto c = a.minor <=> b.minor; c != 0) return c;
    if (auto c = a.revision <=> b.revision; c != 0) return c;
    return a.build <=> b.build;
}
