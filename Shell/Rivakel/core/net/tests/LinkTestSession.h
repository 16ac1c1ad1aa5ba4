// A server link in a test: the headless backend with a clock that follows real time, a user
// store in a fresh folder, the local portal server on a loopback port, the server connection
// pointed at it and, when asked, the outbox. Pump runs what the main loop would run.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Tools/portalserver/PortalServer.h"
#include "core/base/CSubsystem_Clock.h"
#include "core/base/WaitSources.h"
#include "core/net/CSubsystem_Net.h"
#include "core/store/UserStore.h"
#include "core/store/tests/StoreTestFolder.h"
#include "platform/headless/HeadlessBackend.h"

class LinkTestSession {
public:
    explicit LinkTestSession(portal::ServerOptions options = {}) : server_(std::move(options)) {
        auto owned = std::make_unique<platform::headless::HeadlessBackend>();
        backend_ = owned.get();
        // Waits are real, and the clock moves by the time really waited.
        backend_->SetRealWaitMs(60000);
        platform::SetBackend(std::move(owned));
        CreateClock();
        serverStarted_ = server_.Start();
    }
    virtual ~LinkTestSession() {
        DestroyLink();
        store_.reset();
        server_.Stop();
        DestroyClock();
        platform::SetBackend(nullptr);
    }
    LinkTestSession(const LinkTestSession&) = delete;
    LinkTestSession& operator=(const LinkTestSession&) = delete;

    bool ServerStarted() const { return serverStarted_; }
    portal::PortalServer& Server() { return server_; }
    std::string ServerAddress() const { return "127.0.0.1:" + std::to_string(server_.Port()); }
    const StoreTestFolder& Folder() const { return folder_; }

    CSubsystem_UserStore& OpenStore(bool installed = true) {
        UserStoreConfig config;
        config.installed = installed;
        config.dataFolder = folder_.Path();
        config.shellFolder = folder_.Path();
        config.shellVersion = "01.00.00.0001";
        config.timeStamp = [] { return int64_t{1000}; };
        store_ = std::make_unique<CSubsystem_UserStore>(std::move(config));
        return *store_;
    }
    CSubsystem_UserStore* Store() { return store_.get(); }

    // The connection; `adjust` may change its configuration first.
    CSubsystem_Net& Connect(const std::function<void(NetConfig&)>& adjust = {}) {
        NetConfig config;
        config.store = store_.get();
        config.testServer = ServerAddress();
        config.shellVersion = "01.00.00.0001";
        config.sessionId = [] { return std::string("{11111111-2222-3333-4444-555555555555}"); };
        config.onBannerDefinitions = [this](CHttpRequest& request) {
            bannerResult_ = request.Result();
            bannerReply_ = request.Reply();
        };
        if (adjust) adjust(config);
        return *CreateNetSubsystem(std::move(config));
    }
    virtual void DestroyLink() { DestroyNetSubsystem(); }

    // Runs the loop's work until `done` holds or `ms` of real time passed.
    bool Pump(const std::function<bool()>& done, uint32_t ms = 10000) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            platform::Event event;
            WaitForEventOrSources(*backend_, event, 20);
            if (CSubsystem_Clock* clock = ClockService()) clock->TickAll();
        }
        return true;
    }

    std::optional<int> BannerResult() const { return bannerResult_; }
    const std::string& BannerReply() const { return bannerReply_; }
    platform::headless::HeadlessBackend& Backend() { return *backend_; }

private:
    platform::headless::HeadlessBackend* backend_ = nullptr;
    StoreTestFolder folder_;
    portal::PortalServer server_;
    bool serverStarted_ = false;
    std::unique_ptr<CSubsystem_UserStore> store_;
    std::optional<int> bannerResult_;
    std::string bannerReply_;
};
