// The reply of a post as the connection reads it: pieces of any size through the reader, then
// the parse. The first byte chooses where the stream is split.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/net/HttpResponseReader.h"
#include "core/net/Ipv4Text.h"
#include "core/net/NetResults.h"
#include "core/net/ServerReply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t step = 1 + data[0] % 64;
    std::string_view stream(reinterpret_cast<const char*>(data + 1), size - 1);
    HttpResponseReader reader(kMaxReplyText, false);
    while (!stream.empty() && reader.GetState() == HttpResponseReader::State::Reading) {
        reader.Add(stream.substr(0, step));
        stream.remove_prefix(std::min(step, stream.size()));
    }
    reader.End();
    if (reader.Kept().size() > kMaxReplyText) __builtin_trap();
    ServerReply reply;
    const int status = ParseServerReply(reader.Kept(), reply);
    if (status != kNetUnrecognised && (status < 0 || status > 153 || reply.text.size() > kMaxReplyText)) {
        __builtin_trap();
    }
    if (std::optional<uint32_t> address = ParseIpv4(reply.text)) {
        if (ParseIpv4(FormatIpv4(*address)) != address) __builtin_trap();
    }
    return 0;
}
