// A document fetch's response: framed in pieces by the reader, then taken by the request, which
// follows or refuses a redirect and rebuilds its next request. The first byte splits the stream.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/net/HttpHead.h"
#include "core/net/HttpRequest.h"
#include "core/net/HttpResponseReader.h"
#include "core/net/SocketConnection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t step = 1 + data[0] % 128;
    std::string_view stream(reinterpret_cast<const char*>(data + 1), size - 1);
    HttpResponseReader reader(4096, true);
    while (!stream.empty() && reader.GetState() == HttpResponseReader::State::Reading) {
        reader.Add(stream.substr(0, step));
        stream.remove_prefix(std::min(step, stream.size()));
    }
    reader.End();
    if (reader.Kept().size() > 4096 || reader.Body().size() > reader.Kept().size()) __builtin_trap();
    CServerRequest request;
    request.SetHost("127.0.0.1", 80);
    if ((data[0] & 0x80) != 0) request.SetProxy("proxy", 3128);
    request.BuildRequest(CServerRequest::Method::Get, "/1.0.0/GetObjDefList1.asp");
    request.SetReply(reader.Kept());
    if (request.HasRedirect()) {
        const std::string& text = request.RequestText();
        if (text.find("\r\n\r\n") + 4 != text.size()) __builtin_trap();
        if (request.Current().port == 0) __builtin_trap();
    }
    request.SetReply(reader.Kept());
    return 0;
}
