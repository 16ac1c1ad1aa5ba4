#include "app/TestServerMarker.h"

#include <algorithm>

#include "app/App.h"
#include "platform/Host.h"

namespace {
constexpr size_t kMaxAddressLength = 255;

bool AddressChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
           c == ':' || c == '[' || c == ']';
}
}  // namespace

std::optional<std::string> ParseTestServerAddress(std::string_view text) {
    std::string_view line = text.substr(0, text.find_first_of("\r\n"));
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (line.empty() || line.size() > kMaxAddressLength) return std::nullopt;
    if (!std::all_of(line.begin(), line.end(), AddressChar)) return std::nullopt;
    size_t colon = line.rfind(':');
    if (colon == std::string_view::npos || colon == 0 || colon + 1 == line.size()) return std::nullopt;
    std::string_view port = line.substr(colon + 1);
    if (port.size() > 5 || !std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::string(line);
}

std::optional<std::string> ReadTestServerMarker() {
    // One line with an address; a longer file is still a marker, with the default address.
    constexpr uint64_t kMaxMarkerBytes = 4096;
    const std::string path = platform::JoinPath(ShellDataFolder(), kTestServerMarkerName);
    std::optional<std::vector<uint8_t>> data = platform::ReadWholeFile(path, kMaxMarkerBytes);
    if (!data && platform::FileExists(path)) return std::string(kDefaultTestServer);
    if (!data) return std::nullopt;
    std::string_view text(reinterpret_cast<const char*>(data->data()), data->size());
    return ParseTestServerAddress(text).value_or(std::string(kDefaultTestServer));
}
