// Where the shell's requests go: straight to the server, or through an HTTP proxy named by the
// user's "DefaultProxyServer" setting or, without one, by the environment's http_proxy.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class RdtNode;

inline constexpr size_t kMaxProxyName = 999;

struct ProxySetting {
    std::string name;  // empty: no proxy
    uint16_t port = 80;
    bool Enabled() const { return !name.empty(); }
    bool operator==(const ProxySetting&) const = default;
};

// "name" or "name:port"; split at the first ':'. A port that is not 1 to 65535 counts as 80.
// nullopt for an empty or implausible name (blanks, control characters, '/', too long).
std::optional<ProxySetting> ParseProxyText(std::string_view text);
// http_proxy's form: an optional "http://", optional credentials ending in '@' (dropped), then
// name[:port], then an optional path.
std::optional<ProxySetting> ParseProxyUrl(std::string_view text);
// Applies the Core "Shell"/"DefaultProxyServer" element (attributes Name and Port) over the
// system's setting: a non-empty Name replaces the system proxy; a Port of 0 becomes 80 and is
// written back. Without the element an empty one is made. `shell` may be null.
ProxySetting ApplyStoredProxy(RdtNode* shell, const std::optional<ProxySetting>& system);
