// Dotted IPv4 addresses as the server and the settings write them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Exactly four decimal numbers 0 to 255 joined by '.', nothing before or after (trailing blanks
// and line ends aside). Host order: "127.0.0.1" is 0x7F000001.
std::optional<uint32_t> ParseIpv4(std::string_view text);
std::string FormatIpv4(uint32_t address);
