// What the portal server reads from a connection: one HTTP request, and the shell's message in
// the body of a post.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace portal {

struct HttpRequestHead {
    std::string method;
    std::string target;  // as sent: a path, or a whole address when sent to a proxy
    size_t headLength = 0;
    size_t contentLength = 0;
    bool viaProxy = false;  // a proxy passed it on (it added a Via field)
};

// The head once `bytes` hold its end (a blank line, CR LF or LF alone); nullopt before, or for a
// head that is not a request.
std::optional<HttpRequestHead> ParseRequestHead(std::string_view bytes);
// "/1.0.0/<Function>.asp" (also inside a whole address): the function's name, else "".
std::string FunctionOf(std::string_view target);

// The body "msg=<session>,<guid>,<MsgIDH>,<MsgIDL>,<params>".
struct ShellMessage {
    std::string sessionId;
    uint32_t high = 0;
    uint32_t low = 0;
    std::string params;
};
std::optional<ShellMessage> ParseShellMessage(std::string_view body);

}  // namespace portal
