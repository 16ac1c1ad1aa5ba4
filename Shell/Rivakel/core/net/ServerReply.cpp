#include "core/net/ServerReply.h"

#include "core/net/NetResults.h"

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

int ParseServerReply(std::string_view received, ServerReply& reply) {
    const size_t marker = received.find(kReplyMarker);
    if (marker == std::string_view::npos || received.size() < marker + 12) return kNetUnrecognised;
    const char high = received[marker + 10];
    const char low = received[marker + 11];
    if (!IsDigit(high) || !IsDigit(low)) return kNetUnrecognised;
    std::string_view text = received.size() > marker + 13 ? received.substr(marker + 13) : std::string_view();
    text = text.substr(0, text.find('\0'));
    reply.text.assign(text.substr(0, kMaxReplyText));
    reply.status = (high - '0') * 16 + (low - '0');
    return reply.status;
}
