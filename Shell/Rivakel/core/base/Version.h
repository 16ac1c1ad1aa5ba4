// Version stamps "AA.BB.CC.DDDD" (four-digit build) and "AA.BB.CC.DD" (two-digit build).
// Both parsers read four dot-separated digit groups of any width (up to 255 for the first
// three, nine digits for the build), so stamps of either form order correctly as tuples.
#pragma once

#include <compare>
#include <cstdint>
#include <string_view>

struct VersionRecord {
    uint8_t major = 0;
    uint8_t minor = 0;
    uint8_t revision = 0;
    int32_t build = 0;
    // (major x 10000 + minor x 100 + revision) x 10000 + build for the four-digit form,
    // x 100 + build for the two-digit form, in unsigned 32-bit arithmetic. It wraps from
    // major 43 on, so ordering goes through CompareVersions, never through this number.
    uint32_t number = 0;
    char text[16] = {};
};
static_assert(sizeof(VersionRecord) == 28);

// Both fill `out` and return true for a well-formed stamp (characters after it are ignored).
// A stamp that lacks a group, has a group out of range or anything but digits and dots in
// its groups leaves `out` as version 0 with empty text, logs a warning, and returns false.
bool ParseVersionStamp(std::string_view text, VersionRecord& out);
bool ParseShortVersionStamp(std::string_view text, VersionRecord& out);

// Orders by (major, minor, revision, build); only stamps of the same form compare sensibly.
std::strong_ordering CompareVersions(const VersionRecord& a, const VersionRecord& b);
