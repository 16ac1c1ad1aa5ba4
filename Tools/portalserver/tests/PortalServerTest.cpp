// The local portal server as its clients and its record's readers meet it.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "Tools/portalserver/PortalServer.h"

namespace {

// A blocking client socket on the server's port; -1 when it cannot connect.
int ConnectTo(uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const timeval wait{10, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::string Post(std::string_view function, std::string_view body) {
    return "POST /1.0.0/" + std::string(function) + ".asp HTTP/1.0\nContent-type: application/x-www-form-urlencoded\n" +
           "Content-length: " + std::to_string(body.size()) + "\n\n" + std::string(body);
}

TEST(PortalServer, AClientThatSendsSlowlyHoldsUpNoOtherClient) {
    portal::PortalServer server({});
    ASSERT_TRUE(server.Start());
    const int slow = ConnectTo(server.Port());
    const int quick = ConnectTo(server.Port());
    ASSERT_GE(slow, 0);
    ASSERT_GE(quick, 0);
    // The slow client's request stops halfway and it stays connected.
    const std::string partial = Post("Hello", "msg={S},{G},1,1,").substr(0, 40);
    ASSERT_EQ(::send(slow, partial.data(), partial.size(), 0), static_cast<ssize_t>(partial.size()));
    const std::string request = Post("Hello", "msg={S},{G},2,2,");
    ASSERT_EQ(::send(quick, request.data(), request.size(), 0), static_cast<ssize_t>(request.size()));
    std::string reply;
    char buffer[4096];
    for (ssize_t got; (got = ::recv(quick, buffer, sizeof buffer, 0)) > 0;) reply.append(buffer, static_cast<size_t>(got));
    EXPECT_NE(reply.find("RIVSRV_REP00"), std::string::npos) << reply;
    // Answered while the slow one is still being waited for, not after the server gave up on it.
    EXPECT_EQ(::recv(slow, buffer, sizeof buffer, MSG_DONTWAIT), -1);
    EXPECT_TRUE(errno == EAGAIN || errno == EWOULDBLOCK);
    ::close(slow);
    ::close(quick);
    server.Stop();
}

TEST(PortalServer, EveryFieldOfARecordLineSurvivesTabsAndLineBreaks) {
    portal::ReceivedMessage message;
    message.function = "Get\tUser\\GUID\n";
    message.sessionId = "{a\tb}\r";
    message.high = 4294967295u;
    message.low = 7;
    message.params = "x\ty\nz\\";
    message.fault = portal::Fault::Endless;
    message.viaProxy = true;
    const std::string line = portal::FormatRecordLine(message);
    EXPECT_EQ(line.find('\n'), line.size() - 1);
    const std::optional<portal::ReceivedMessage> back = portal::ParseRecordLine(line.substr(0, line.size() - 1));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->function, message.function);
    EXPECT_EQ(back->sessionId, message.sessionId);
    EXPECT_EQ(back->high, message.high);
    EXPECT_EQ(back->low, message.low);
    EXPECT_EQ(back->params, message.params);
    EXPECT_EQ(back->fault, message.fault);
    EXPECT_TRUE(back->viaProxy);
}

}  // namespace
