#include "core/net/SocketConnection.h"

#include <array>

CSocketConnection::CSocketConnection(const platform::CancelSignal& cancel, const HttpTimeouts& timeouts)
    : cancel_(cancel), timeouts_(timeouts) {}

int CSocketConnection::Connect(uint32_t address, uint16_t port) {
    socket_ = platform::OpenBlockingSocket();
    if (!socket_) return 1;
    return socket_->Connect(address, port, cancel_, timeouts_.connectMs) == platform::NetStatus::Ok ? 0 : 1;
}

int CSocketConnection::Exchange(std::string_view request, HttpResponseReader& reader) {
    if (!socket_ || request.empty()) return 1;
    const auto* bytes = reinterpret_cast<const uint8_t*>(request.data());
    if (socket_->SendAll({bytes, request.size()}, cancel_, timeouts_.receiveMs) != platform::NetStatus::Ok) return 1;
    std::array<uint8_t, 16384> buffer{};
    while (reader.GetState() == HttpResponseReader::State::Reading) {
        size_t received = 0;
        const platform::NetStatus status = socket_->Receive(buffer, received, cancel_, timeouts_.receiveMs);
        if (status == platform::NetStatus::Closed) {
            reader.End();
        } else if (status != platform::NetStatus::Ok) {
            return 1;
        } else {
            reader.Add({reinterpret_cast<const char*>(buffer.data()), received});
        }
    }
    return reader.GetState() == HttpResponseReader::State::Complete ? 0 : 1;
}
