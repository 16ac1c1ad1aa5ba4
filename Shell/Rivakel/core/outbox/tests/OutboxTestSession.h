// The outbox on a server link in a test: the session of LinkTestSession with the outbox on it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/net/tests/LinkTestSession.h"
#include "core/outbox/COutbox.h"

class OutboxSession : public LinkTestSession {
public:
    using LinkTestSession::LinkTestSession;
    ~OutboxSession() override { DestroyLink(); }

    COutbox& Start(const std::function<void(NetConfig&)>& adjust = {}) {
        if (Store() == nullptr) OpenStore();
        CSubsystem_Net& net = Connect(adjust);
        OutboxConfig config;
        config.store = Store();
        config.net = &net;
        config.shellVersion = "01.00.00.0001";
        config.sessionId = [this] { return sessionId; };
        config.setSessionId = [this](const std::string& id) { sessionId = id; };
        return *CreateOutbox(std::move(config));
    }
    void DestroyLink() override {
        DestroyOutbox();
        LinkTestSession::DestroyLink();
    }
    // Waits until the queue is empty and nothing is in flight.
    bool Drain(uint32_t ms = 15000) {
        return Pump([] { return Outbox()->Queue().Size() == 0 && !Outbox()->InFlight(); }, ms);
    }
    std::vector<portal::ReceivedMessage> Posts(std::string_view function) {
        std::vector<portal::ReceivedMessage> found;
        for (const auto& message : Server().Received()) {
            if (message.function == function) found.push_back(message);
        }
        return found;
    }

    std::string sessionId = "{11111111-2222-3333-4444-555555555555}";
};
