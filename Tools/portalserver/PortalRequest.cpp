#include "Tools/portalserver/PortalRequest.h"

#include <algorithm>
#include <cctype>

#include "core/base/Decimal.h"

namespace portal {
namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<HttpRequestHead> ParseRequestHead(std::string_view bytes) {
    const size_t crlf = bytes.find("\r\n\r\n");
    const size_t lf = bytes.find("\n\n");
    if (crlf == std::string_view::npos && lf == std::string_view::npos) return std::nullopt;
    HttpRequestHead head;
    head.headLength = (lf == std::string_view::npos || (crlf != std::string_view::npos && crlf < lf)) ? crlf + 4 : lf + 2;
    std::string_view rest = bytes.substr(0, head.headLength);
    const size_t firstEnd = rest.find('\n');
    const std::string_view requestLine = Trim(rest.substr(0, firstEnd));
    const size_t blank = requestLine.find(' ');
    const size_t secondBlank = requestLine.find(' ', blank + 1);
    if (blank == std::string_view::npos || secondBlank == std::string_view::npos) return std::nullopt;
    head.method = std::string(requestLine.substr(0, blank));
    head.target = std::string(requestLine.substr(blank + 1, secondBlank - blank - 1));
    rest.remove_prefix(firstEnd + 1);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        const size_t colon = line.find(':');
        if (colon == std::string_view::npos) continue;
        const std::string_view name = Trim(line.substr(0, colon));
        if (EqualsNoCase(name, "Content-length")) {
            const std::optional<uint64_t> length = ParseDecimal(Trim(line.substr(colon + 1)), 1 << 24);
            if (!length) return std::nullopt;
            head.contentLength = static_cast<size_t>(*length);
        } else if (EqualsNoCase(name, "Via")) {
            head.viaProxy = true;
        }
    }
    return head;
}

std::string FunctionOf(std::string_view target) {
    constexpr std::string_view kPrefix = "/1.0.0/";
    const size_t start = target.find(kPrefix);
    if (start == std::string_view::npos) return {};
    std::string_view name = target.substr(start + kPrefix.size());
    const size_t end = name.find(".asp");
    if (end == std::string_view::npos) return {};
    return std::string(name.substr(0, end));
}

std::optional<ShellMessage> ParseShellMessage(std::string_view body) {
    if (!body.starts_with("msg=")) return std::nullopt;
    body.remove_prefix(4);
    std::string_view fields[4];
    for (std::string_view& field : fields) {
        const size_t comma = body.find(',');
        if (comma == std::string_view::npos) return std::nullopt;
        field = body.substr(0, comma);
        body.remove_prefix(comma + 1);
    }
    const std::optional<uint64_t> high = ParseDecimal(fields[2], UINT32_MAX);
    const std::optional<uint64_t> low = ParseDecimal(fields[3], UINT32_MAX);
    if (!high || !low) return std::nullopt;
    return ShellMessage{std::string(fields[0]), static_cast<uint32_t>(*high), static_cast<uint32_t>(*low),
                        std::string(body)};
}

}  // namespace portal
