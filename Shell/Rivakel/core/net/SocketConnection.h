// The blocking socket work of one request, on its worker thread.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "core/net/HttpResponseReader.h"
#include "platform/Net.h"

struct HttpTimeouts {
    uint32_t lookupMs = 30000;
    uint32_t connectMs = 30000;
    uint32_t receiveMs = 60000;  // without a byte
};

// A document larger than this is refused rather than held.
inline constexpr size_t kMaxDocumentBytes = size_t{16} << 20;

class CSocketConnection {
public:
    CSocketConnection(const platform::CancelSignal& cancel, const HttpTimeouts& timeouts);
    // 0, or 1 on any failure (no socket, refused, cancelled, timed out).
    int Connect(uint32_t address, uint16_t port);
    // Sends the whole text, then reads the response into `reader` until it is complete or the peer
    // ends the stream. 0, or 1 for an empty text, a send or receive failure, or an oversized reply.
    int Exchange(std::string_view request, HttpResponseReader& reader);

private:
    const platform::CancelSignal& cancel_;
    HttpTimeouts timeouts_;
    std::unique_ptr<platform::BlockingSocket> socket_;
};
