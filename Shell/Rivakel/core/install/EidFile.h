// Installation-event files "eid-<32 hexadecimal digits>.rdt": the digits are the event's
// identifier, sent to the server as GUID text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kEidPattern = "eid-*.rdt";

// "{01234567-89ab-cdef-0123-456789abcdef}" from "eid-0123456789abcdef0123456789abcdef.rdt"
// (prefix and extension in any case, digits kept as written); nullopt for any other name.
std::optional<std::string> EidGuidText(std::string_view fileName);
