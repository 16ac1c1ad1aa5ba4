// The server messages the installation queues, through the outbox the user store knows.
#pragma once

#include <string_view>

class CSubsystem_UserStore;

inline constexpr int kPriorityGameInstall = 10;
inline constexpr int kPrioritySendEid = 11;
inline constexpr int kPriorityShellGuid = 12;

// A tracking event of its own function name: the parameters are "a,b", "a" or "" as given.
// The outbox's result, or 8 (no such service) without a store or an outbox.
int TrackEvent(CSubsystem_UserStore* store, std::string_view event, int priority, std::string_view a = {},
               std::string_view b = {});
// "GetShellGUID" with the shell's version, unless the Core file has an identifier already or
// the request waits in the Outbox: an installation asks the server only once.
int RequestShellGuid(CSubsystem_UserStore* store, std::string_view shellVersion);
