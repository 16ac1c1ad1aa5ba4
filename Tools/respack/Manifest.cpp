#include "respack/Manifest.h"

#include <charconv>

namespace respack {

namespace {

constexpr std::string_view kArtPrefix = "@art/";
constexpr std::string_view kStringKeyword = "string";
constexpr std::string_view kIncludeKeyword = "include";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The next blank-separated word of `rest`, which is advanced past it.
std::string_view NextWord(std::string_view& rest) {
    size_t start = 0;
    while (start < rest.size() && IsBlank(rest[start])) ++start;
    size_t end = start;
    while (end < rest.size() && !IsBlank(rest[end])) ++end;
    const std::string_view word = rest.substr(start, end - start);
    rest.remove_prefix(end);
    return word;
}

bool IsTypeWord(std::string_view word) {
    if (word.empty() || word.size() > 16) return false;
    for (const char c : word)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return true;
}

std::nullopt_t Fail(std::string* error, int line, const std::string& why) {
    if (error != nullptr) *error = "line " + std::to_string(line) + ": " + why;
    return std::nullopt;
}

}  // namespace

std::optional<Manifest> ParseManifest(std::string_view text, std::string* error) {
    Manifest manifest;
    int lineNumber = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        std::string_view rest = line;
        const std::string_view first = NextWord(rest);
        if (first.empty() || first.front() == '#') continue;

        if (first == kStringKeyword) {
            const std::string_view idText = NextWord(rest);
            uint32_t id = 0;
            const auto [ptr, ec] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
            if (idText.empty() || ec != std::errc() || ptr != idText.data() + idText.size())
                return Fail(error, lineNumber, "string id is not a number");
            if (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
            manifest.strings.push_back({id, std::string(rest), lineNumber});
            continue;
        }
        if (first == kIncludeKeyword) {
            const std::string_view path = NextWord(rest);
            if (path.empty() || !NextWord(rest).empty()) return Fail(error, lineNumber, "expected: include file");
            manifest.includes.push_back({std::string(path), lineNumber});
            continue;
        }
        if (!IsTypeWord(first)) return Fail(error, lineNumber, "unknown type \"" + std::string(first) + "\"");
        const std::string_view name = NextWord(rest);
        const std::string_view source = NextWord(rest);
        if (name.empty() || source.empty()) return Fail(error, lineNumber, "expected: TYPE name source");
        if (!NextWord(rest).empty()) return Fail(error, lineNumber, "unexpected text after the source");
        manifest.resources.push_back({std::string(first), std::string(name), std::string(source), lineNumber});
    }
    return manifest;
}

std::string ResolveSource(const std::string& source, const std::string& manifestFolder, const std::string& artFolder) {
    if (source.starts_with(kArtPrefix)) return artFolder + "/" + source.substr(kArtPrefix.size());
    if (!source.empty() && source.front() == '/') return source;
    return manifestFolder + "/" + source;
}

}  // namespace respack
