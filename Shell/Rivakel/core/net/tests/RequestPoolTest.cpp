// Document fetches by worker threads against loopback servers: redirects, lengths, refusals,
// cancelling a blocked worker, and the ten slots.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "Tools/portalserver/PortalServer.h"
#include "core/net/HttpWorker.h"
#include "core/net/RequestPool.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

// Answers every connection with the same bytes, then closes it, or holds it open.
class CannedServer {
public:
    CannedServer(std::string reply, bool hold) : reply_(std::move(reply)), hold_(hold) {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener_, 8);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~CannedServer() {
        stop_ = true;
        shutdown(listener_, SHUT_RDWR);
        thread_.join();
        close(listener_);
    }
    uint16_t Port() const { return port_; }

private:
    void Serve() {
        while (!stop_) {
            pollfd entry{listener_, POLLIN, 0};
            if (poll(&entry, 1, 50) <= 0) continue;
            const int fd = accept(listener_, nullptr, nullptr);
            if (fd < 0) continue;
            char buffer[4096];
            recv(fd, buffer, sizeof buffer, 0);
            send(fd, reply_.data(), reply_.size(), MSG_NOSIGNAL);
            while (hold_ && !stop_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
            close(fd);
        }
    }
    std::string reply_;
    bool hold_;
    int listener_ = -1;
    uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

struct Fetched {
    int result = -1;
    std::string reply;
    bool done = false;
};

// Starts a GET of `path` from 127.0.0.1:`port` and polls the pool until its callback ran.
Fetched Fetch(CRequestPool& pool, uint16_t port, std::string_view path) {
    Fetched fetched;
    CServerRequest* request = pool.NewRequest();
    if (request == nullptr) return fetched;
    request->SetHost("127.0.0.1", port);
    request->BuildRequest(CServerRequest::Method::Get, path);
    request->SetCallback([&](CHttpRequest& done) {
        fetched.result = done.Result();
        fetched.reply = done.Reply();
        fetched.done = true;
    });
    request->Start();
    const auto deadline = SteadyClock::now() + std::chrono::seconds(20);
    while (!fetched.done && SteadyClock::now() < deadline) {
        pool.Poll();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return fetched;
}

TEST(RequestPool, FollowsARedirectToAnotherServerAndStopsARedirectLoop) {
    portal::ServerOptions target;
    target.bannerDocument = "<RDT>elsewhere</RDT>";
    portal::PortalServer elsewhere(target);
    ASSERT_TRUE(elsewhere.Start());
    portal::ServerOptions first;
    first.bannerRedirect = "http://127.0.0.1:" + std::to_string(elsewhere.Port()) + "/1.0.0/GetObjDefList1.asp";
    portal::PortalServer server(first);
    ASSERT_TRUE(server.Start());
    CRequestPool pool;

    const Fetched moved = Fetch(pool, server.Port(), "/1.0.0/GetObjDefList1.asp");
    EXPECT_EQ(moved.result, 0);
    EXPECT_EQ(moved.reply, "RIVSRV_DEF00<RDT>elsewhere</RDT>");

    const Fetched loop = Fetch(pool, server.Port(), "/loop");
    ASSERT_TRUE(loop.done);
    EXPECT_EQ(loop.result, 1);
    EXPECT_EQ(server.Gets().size(), 2u + kMaxRedirects);
    EXPECT_EQ(pool.FreeSlots(), kRequestSlots);
}

TEST(RequestPool, RepliesThatMustNotBeTakenAsDocuments) {
    struct ReplyCase {
        const char* name;
        std::string reply;
        int result;
        std::string document;
    };
    const std::string big(1 << 20, 'b');
    const std::vector<ReplyCase> cases = {
        {"close-delimited", "HTTP/1.1 200 OK\r\n\r\nhello", 0, "hello"},
        {"length zero completes at the head", "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", 0, ""},
        {"a megabyte grows the buffer", "HTTP/1.1 200 OK\r\nContent-Length: 1048576\r\n\r\n" + big, 0, big},
        {"without a head", "RIVSRV_DEF00<RDT/>", 0, "RIVSRV_DEF00<RDT/>"},
        {"cut short of its length", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nshort", 1, "short"},
        {"an error page", "HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\ngone", 1, "gone"},
        {"chunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n", 1, ""},
        {"302 without a location", "HTTP/1.1 302 Moved\r\nContent-Length: 0\r\n\r\n", 1, ""},
        {"302 to https", "HTTP/1.1 302 Moved\r\nLocation: https://x/y\r\n\r\n", 1, ""},
        {"a lying length", "HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\nx", 1, ""},
    };
    CRequestPool pool;
    for (const ReplyCase& c : cases) {
        CannedServer server(c.reply, false);
        const Fetched fetched = Fetch(pool, server.Port(), "/doc");
        ASSERT_TRUE(fetched.done) << c.name;
        EXPECT_EQ(fetched.result, c.result) << c.name;
        if (c.result == 0 || !c.document.empty()) {
            EXPECT_EQ(fetched.reply, c.document) << c.name;
        }
    }
    EXPECT_EQ(Fetch(pool, 1, "/doc").result, 1) << "refused";
}

TEST(RequestPool, StoppingAWorkerBlockedInAReceiveWakesItAtOnce) {
    CannedServer silent("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc", true);
    CRequestPool pool;
    CServerRequest* request = pool.NewRequest();
    ASSERT_NE(request, nullptr);
    request->SetHost("127.0.0.1", silent.Port());
    request->BuildRequest(CServerRequest::Method::Get, "/doc");
    ASSERT_EQ(request->Start(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(request->GetState(), CHttpRequest::Started);
    const auto start = SteadyClock::now();
    EXPECT_EQ(pool.StopWorker(*request), 0);
    EXPECT_LT(SteadyClock::now() - start, std::chrono::seconds(1));
    EXPECT_FALSE(request->Worker());
}

TEST(RequestPool, TenSlotsAndAFreedSlotAfterItsCallback) {
    portal::PortalServer server({});
    ASSERT_TRUE(server.Start());
    CRequestPool pool;
    std::vector<CServerRequest*> taken;
    for (size_t i = 0; i < kRequestSlots; ++i) taken.push_back(pool.NewRequest());
    EXPECT_EQ(pool.NewRequest(), nullptr);
    for (CServerRequest* request : taken) {
        request->SetHost("127.0.0.1", server.Port());
        request->BuildRequest(CServerRequest::Method::Get, "/1.0.0/GetObjDefList1.asp");
        request->Start();
    }
    const auto deadline = SteadyClock::now() + std::chrono::seconds(20);
    while (pool.FreeSlots() < kRequestSlots && SteadyClock::now() < deadline) {
        pool.Poll();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(pool.FreeSlots(), kRequestSlots);
    EXPECT_EQ(Fetch(pool, server.Port(), "/1.0.0/GetObjDefList1.asp").result, 0);
}

}  // namespace
