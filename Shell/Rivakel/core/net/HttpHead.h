// The head of an HTTP/1 response and the target of a redirect, read without ever looking past
// the bytes given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct HttpHead {
    size_t length = 0;  // up to and including the blank line that ends the head
    int status = 0;     // of the status line; 0 when it holds no three-digit code
    std::optional<uint64_t> contentLength;
    bool badContentLength = false;  // a Content-Length that is no plain decimal number
    bool chunked = false;
    std::optional<std::string> location;  // the Location line's value
};

// Whether `bytes` start like a response head ("HTTP/1").
bool LooksLikeHttpHead(std::string_view bytes);
// The head when `bytes` start with "HTTP/1" and hold its end (CR LF CR LF, or LF LF); else nullopt.
std::optional<HttpHead> ParseHttpHead(std::string_view bytes);

struct RedirectTarget {
    std::string host;
    uint16_t port = 80;
    std::string path;  // begins with '/'
};
// "http://host[:port][/path]", the scheme in any case. nullopt for another scheme, an empty or
// implausible host, a port that is not 1 to 65535, or blanks and control characters.
std::optional<RedirectTarget> ParseRedirectLocation(std::string_view location);
