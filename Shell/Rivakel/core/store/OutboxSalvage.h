// Recovery of the requests that matter most from an Outbox file too damaged to read: the
// parameters of queued "GetUserGUID" and "RivRivlet" requests, so they can be sent again.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline constexpr size_t kMaxSalvagedRequests = 20;

struct SalvagedRequests {
    std::vector<std::string> getUserGuid;  // parameters, unescaped, at most 20
    std::vector<std::string> rivRivlet;    // likewise
};

SalvagedRequests SalvageOutbox(std::string_view text);

// Undoes the escaping of a queued message's parameters: "&amp;", "&gt;", "&lt;", "&quot;";
// any other '&' is dropped and the character after it kept as it stands.
std::string UnescapeParams(std::string_view params);
