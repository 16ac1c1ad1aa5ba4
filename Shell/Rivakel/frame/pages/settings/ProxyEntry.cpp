#include "frame/pages/settings/ProxyEntry.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr size_t kMaxHostName = 253;
constexpr unsigned kMaxPort = 65535;

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool HostNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
}

bool PlausibleHost(std::string_view name) {
    return name.size() <= kMaxHostName && std::all_of(name.begin(), name.end(), HostNameCharacter) &&
           name.front() != '.' && name.front() != '-';
}

}  // namespace

ProxyEntry CheckProxyEntry(std::string_view name, std::string_view port) {
    ProxyEntry entry;
    name = Trim(name);
    port = Trim(port);
    if (!name.empty() && !PlausibleHost(name)) {
        entry.problem = "The proxy server's name may hold only letters, digits, dots and hyphens.";
        return entry;
    }
    entry.name = std::string(name);
    if (port.empty()) {
        entry.port = "80";
        return entry;
    }
    unsigned value = 0;
    const auto [stop, error] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (error != std::errc() || stop != port.data() + port.size() || value == 0 || value > kMaxPort) {
        entry.problem = "The proxy server's port must be a number from 1 to 65535.";
        return entry;
    }
    entry.port = std::to_string(value);
    return entry;
}
