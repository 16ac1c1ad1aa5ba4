// The outbox's messages: their identity, the type table and the escaping of their parameters.
#pragma once

#include <array>
#include <cstdint>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

// A message keeps its identity for life: every send of it carries the same pair, so the server
// can tell a message that comes again.
struct MessageIds {
    uint32_t high = 0;  // the clock's seconds at creation
    uint32_t low = 0;
    auto operator<=>(const MessageIds&) const = default;
};

enum MessageType : int {
    kMsgGame = 0,
    kMsgTrackEvent = 1,
    kMsgSubscribe = 2,
    kMsgGetShellGuid = 3,
    kMsgRivAFriend = 4,
    kMsgUpdateShellVersion = 5,
    kMsgRivMe = 6,
    kMsgHello = 7,
    kMsgSetUserProfile = 8,
    kMsgGetArbInfoA = 9,
};
inline constexpr std::array<std::string_view, 10> kMessageTypeNames = {
    "Game", "TrackEvent", "Subscribe", "GetShellGUID", "RivAFriend",
    "UpdateShellVersion", "RivMe", "Hello", "SetUserProfile", "GetARBInfoA"};
// The index of a type name; nullopt when it is not in the table.
std::optional<int> MessageTypeIndex(std::string_view name);
std::string_view MessageTypeName(int type);  // "" outside the table

inline constexpr std::string_view kTrackFunction = "TrackEvent";

// '<', '>', '"' and '&' become "&lt;", "&gt;", "&quot;" and "&amp;"; the rest stays.
std::string EscapeParams(std::string_view params);

// New identities: MsgIDH is the clock's seconds, MsgIDL (c mod 256) + 256 x milliseconds in 31
// bits with c counting the messages made. Within one process no pair comes twice: more than 256
// messages in one millisecond move on to the next millisecond's numbers.
class MessageIdSource {
public:
    MessageIds Next(uint32_t seconds, uint32_t tickMs);

private:
    uint32_t counter_ = 0;
    uint32_t millisecond_ = 0;
    uint32_t usedInMillisecond_ = 0;
    bool started_ = false;
};
