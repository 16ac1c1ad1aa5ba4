// A developer's marker file that points the shell at a local test server instead of the
// product server: "Rivakel/LocalTestServer.txt" below the data folder, holding "host:port".
#pragma once

#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kTestServerMarkerName = "LocalTestServer.txt";
inline constexpr std::string_view kDefaultTestServer = "127.0.0.1:8780";

// The address to use when the marker exists; its first line when that is a plausible
// "host:port", else the default address.
std::optional<std::string> ReadTestServerMarker();
// The first line of the marker's text when it is a plausible address.
std::optional<std::string> ParseTestServerAddress(std::string_view text);
