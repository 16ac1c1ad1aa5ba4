// The reply record of a server message and the parse of the server's reply text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The record's text field holds 5000 characters with the terminator.
inline constexpr size_t kMaxReplyText = 4999;
inline constexpr std::string_view kReplyMarker = "RIVSRV_";

struct ServerReply {
    std::string text;
    int status = 0;
    int type = 0;
    uint32_t msgIdH = 0;
    uint32_t msgIdL = 0;
};

// The first "RIVSRV_" in `received` (which may hold NULs) is followed by three characters and two
// decimal digits d10 d11: the status is d10 * 16 + d11 and the text runs from the 13th character
// after the marker's start to the end or to a NUL, at most kMaxReplyText characters. Returns the
// status, or kNetUnrecognised (the record's text and status then stay as they were) when there is
// no marker or the two status characters are not both digits.
int ParseServerReply(std::string_view received, ServerReply& reply);
