#include "core/net/HttpHead.h"

#include "core/base/Decimal.h"
#include "core/base/Strings.h"

namespace {

constexpr uint64_t kMaxContentLength = uint64_t{1} << 53;

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t HeadEnd(std::string_view bytes) {
    const size_t crlf = bytes.find("\r\n\r\n");
    const size_t lf = bytes.find("\n\n");
    if (crlf == std::string_view::npos && lf == std::string_view::npos) return 0;
    if (lf == std::string_view::npos || (crlf != std::string_view::npos && crlf < lf)) return crlf + 4;
    return lf + 2;
}

int StatusCode(std::string_view statusLine) {
    const size_t blank = statusLine.find(' ');
    if (blank == std::string_view::npos || statusLine.size() < blank + 4) return 0;
    const std::string_view code = statusLine.substr(blank + 1, 3);
    if (statusLine.size() > blank + 4 && statusLine[blank + 4] != ' ') return 0;
    const std::optional<uint64_t> value = ParseDecimal(code, 999);
    return value ? static_cast<int>(*value) : 0;
}

void ReadField(HttpHead& head, std::string_view line) {
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos) return;
    const std::string_view name = Trim(line.substr(0, colon));
    const std::string_view value = Trim(line.substr(colon + 1));
    if (EqualsNoCase(name, "Content-Length")) {
        const std::optional<uint64_t> length = ParseDecimal(value, kMaxContentLength);
        if (!length || (head.contentLength && *head.contentLength != *length)) {
            head.badContentLength = true;
        } else {
            head.contentLength = length;
        }
    } else if (EqualsNoCase(name, "Transfer-Encoding")) {
        head.chunked = !EqualsNoCase(value, "identity");
    } else if (EqualsNoCase(name, "Location") && !head.location) {
        head.location = std::string(value);
    }
}

bool HostChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '.' || c == '-' || c == '_';
}

}  // namespace

bool LooksLikeHttpHead(std::string_view bytes) { return bytes.starts_with("HTTP/1"); }

std::optional<HttpHead> ParseHttpHead(std::string_view bytes) {
    if (!LooksLikeHttpHead(bytes)) return std::nullopt;
    const size_t end = HeadEnd(bytes);
    if (end == 0) return std::nullopt;
    HttpHead head;
    head.length = end;
    std::string_view rest = bytes.substr(0, end);
    bool first = true;
    while (!rest.empty()) {
        const size_t newline = rest.find('\n');
        const std::string_view line = rest.substr(0, newline);
        rest = newline == std::string_view::npos ? std::string_view() : rest.substr(newline + 1);
        if (first) {
            head.status = StatusCode(Trim(line));
            first = false;
        } else {
            ReadField(head, line);
        }
    }
    if (head.badContentLength) head.contentLength.reset();
    return head;
}

std::optional<RedirectTarget> ParseRedirectLocation(std::string_view location) {
    constexpr std::string_view kScheme = "http://";
    if (location.size() < kScheme.size() || !EqualsNoCase(location.substr(0, kScheme.size()), kScheme)) {
        return std::nullopt;
    }
    for (char c : location) {
        if (static_cast<unsigned char>(c) <= ' ' || c == 0x7F) return std::nullopt;
    }
    std::string_view rest = location.substr(kScheme.size());
    const size_t slash = rest.find('/');
    const std::string_view authority = rest.substr(0, slash);
    RedirectTarget target;
    target.path = slash == std::string_view::npos ? std::string("/") : std::string(rest.substr(slash));
    const size_t colon = authority.find(':');
    const std::string_view host = authority.substr(0, colon);
    if (host.empty() || host.size() > 253) return std::nullopt;
    for (char c : host) {
        if (!HostChar(c)) return std::nullopt;
    }
    target.host = std::string(host);
    if (colon != std::string_view::npos) {
        const std::optional<uint64_t> port = ParseDecimal(authority.substr(colon + 1), 65535);
        if (!port || *port == 0) return std::nullopt;
        target.port = static_cast<uint16_t>(*port);
    }
    return target;
}
