// The same traffic through a real HTTP proxy (tinyproxy), started by the test on a free port:
// named by the environment's http_proxy, and by the stored "DefaultProxyServer" setting.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/net/tests/LinkTestSession.h"
#include "core/outbox/COutbox.h"

namespace {

namespace fs = std::filesystem;

uint16_t FreePort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

bool Accepts(uint16_t port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return ok;
}

// tinyproxy in the foreground with its own configuration, stopped with the test.
class Tinyproxy {
public:
    explicit Tinyproxy(const fs::path& folder) : port_(FreePort()) {
        const fs::path config = folder / "tinyproxy.conf";
        std::ofstream(config) << "Port " << port_ << "\nListen 127.0.0.1\nTimeout 30\nAllow 127.0.0.1\n"
                              << "MaxClients 20\nLogLevel Error\nLogFile \"" << (folder / "tinyproxy.log").string()
                              << "\"\n";
        pid_ = fork();
        if (pid_ == 0) {
            execlp("tinyproxy", "tinyproxy", "-d", "-c", config.c_str(), nullptr);
            _exit(127);
        }
        for (int i = 0; i < 200 && !Accepts(port_); ++i) usleep(20000);
    }
    ~Tinyproxy() {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    Tinyproxy(const Tinyproxy&) = delete;
    Tinyproxy& operator=(const Tinyproxy&) = delete;
    bool Running() const { return Accepts(port_); }
    uint16_t Port() const { return port_; }

private:
    uint16_t port_;
    pid_t pid_ = -1;
};

class ProxySession : public LinkTestSession {
public:
    ~ProxySession() override { DestroyLink(); }
    void DestroyLink() override {
        DestroyOutbox();
        LinkTestSession::DestroyLink();
    }
};

void RunThroughProxy(bool fromEnvironment) {
    ProxySession session;
    ASSERT_TRUE(session.ServerStarted());
    Tinyproxy proxy(session.Folder().Path());
    ASSERT_TRUE(proxy.Running()) << "tinyproxy did not start";
    const std::string address = "127.0.0.1:" + std::to_string(proxy.Port());
    CSubsystem_UserStore& store = session.OpenStore();
    if (fromEnvironment) {
        setenv("http_proxy", ("http://" + address + "/").c_str(), 1);
    } else {
        unsetenv("http_proxy");
        RdtNode* stored = store.GetShellElement()->AddChild("DefaultProxyServer");
        stored->SetAttr("Name", "127.0.0.1");
        stored->SetAttr("Port", std::to_string(proxy.Port()));
    }
    CSubsystem_Net& net = session.Connect();
    OutboxConfig config;
    config.store = &store;
    config.net = &net;
    COutbox& outbox = *CreateOutbox(std::move(config));
    EXPECT_EQ(net.Proxy().name, "127.0.0.1");
    EXPECT_EQ(net.Proxy().port, proxy.Port());
    for (int i = 0; i < 5; ++i) outbox.Send(kMsgSetUserProfile, "SetUserProfile", "n" + std::to_string(i), false, 5);
    ASSERT_TRUE(session.Pump([&] { return outbox.Queue().Size() == 0 && !outbox.InFlight(); }, 20000));
    ASSERT_TRUE(session.Pump([&] { return session.BannerResult().has_value(); }, 10000));
    unsetenv("http_proxy");

    const auto received = session.Server().Received();
    std::vector<std::string> profiles;
    for (const auto& message : received) {
        EXPECT_TRUE(message.viaProxy) << message.function;
        if (message.function == "SetUserProfile") profiles.push_back(message.params);
    }
    EXPECT_EQ(received.front().function, "Hello");
    EXPECT_EQ(profiles, (std::vector<std::string>{"n0", "n1", "n2", "n3", "n4"}));
    EXPECT_EQ(*session.BannerResult(), 0);
    EXPECT_EQ(session.BannerReply().substr(0, 12), "RIVSRV_DEF00");
}

TEST(Proxy, TrafficGoesThroughTheEnvironmentsProxy) { RunThroughProxy(true); }

TEST(Proxy, TrafficGoesThroughTheStoredProxySetting) { RunThroughProxy(false); }

}  // namespace
