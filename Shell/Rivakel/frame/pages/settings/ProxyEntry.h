// What the user typed into the Settings page's proxy fields, checked before it is stored.
#pragma once

#include <string>
#include <string_view>

struct ProxyEntry {
    std::string name;  // empty: connect directly
    std::string port;  // decimal, 1 to 65535
    // Empty when the entry can be stored; otherwise the message telling the user why not.
    std::string problem;
    bool Ok() const { return problem.empty(); }
};

// Blanks around either field are dropped; an empty port is 80. A name is a host name or
// address (letters, digits, dots and hyphens, at most 253 characters); a port is a number
// from 1 to 65535, stored without leading zeros.
ProxyEntry CheckProxyEntry(std::string_view name, std::string_view port);
