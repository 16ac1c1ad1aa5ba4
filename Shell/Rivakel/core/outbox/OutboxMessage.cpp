#include "core/outbox/OutboxMessage.h"

std::optional<int> MessageTypeIndex(std::string_view name) {
    for (size_t i = 0; i < kMessageTypeNames.size(); ++i) {
        if (kMessageTypeNames[i] == name) return static_cast<int>(i);
    }
    return std::nullopt;
}

std::string_view MessageTypeName(int type) {
    return type >= 0 && static_cast<size_t>(type) < kMessageTypeNames.size() ? kMessageTypeNames[type] : "";
}

std::string EscapeParams(std::string_view params) {
    std::string out;
    out.reserve(params.size());
    for (char c : params) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '&': out += "&amp;"; break;
        default: out += c; break;
        }
    }
    return out;
}

MessageIds MessageIdSource::Next(uint32_t seconds, uint32_t tickMs) {
    if (!started_ || static_cast<int32_t>(tickMs - millisecond_) > 0) {
        millisecond_ = tickMs;
        usedInMillisecond_ = 0;
        started_ = true;
    } else if (usedInMillisecond_ == 256) {
        ++millisecond_;
        usedInMillisecond_ = 0;
    }
    ++usedInMillisecond_;
    const uint32_t c = counter_++;
    return MessageIds{seconds, ((c & 0xFFu) + 256u * millisecond_) & 0x7FFFFFFFu};
}
