#include "core/install/EidFile.h"

#include "core/base/HexText.h"
#include "core/base/Strings.h"

namespace {

constexpr std::string_view kPrefix = "eid-";
constexpr std::string_view kExtension = ".rdt";
constexpr std::string_view kTemplate = "{00000000-0000-0000-0000-000000000000}";
constexpr size_t kDigits = 32;

}  // namespace

std::optional<std::string> EidGuidText(std::string_view fileName) {
    if (fileName.size() != kPrefix.size() + kDigits + kExtension.size()) return std::nullopt;
    if (!EqualsNoCase(fileName.substr(0, kPrefix.size()), kPrefix) ||
        !EqualsNoCase(fileName.substr(kPrefix.size() + kDigits), kExtension))
        return std::nullopt;
    const std::string_view digits = fileName.substr(kPrefix.size(), kDigits);
    if (!AllHexDigits(digits)) return std::nullopt;
    std::string text(kTemplate);
    size_t next = 0;
    for (char& c : text) {
        if (c == '0') c = digits[next++];
    }
    return text;
}
