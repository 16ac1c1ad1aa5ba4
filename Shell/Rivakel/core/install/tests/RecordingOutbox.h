// An outbox that is never connected: it queues every message into the store's Outbox document,
// as the real one does offline, and remembers what was sent.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/store/OutboxLink.h"
#include "core/store/UserStore.h"

class RecordingOutbox : public IOutboxLink {
public:
    struct Message {
        int type = 0;
        std::string function;
        std::string params;
        int priority = 0;
    };

    explicit RecordingOutbox(CSubsystem_UserStore& store) : store_(store) { store.SetOutbox(this); }
    ~RecordingOutbox() override { store_.SetOutbox(nullptr); }
    RecordingOutbox(const RecordingOutbox&) = delete;
    RecordingOutbox& operator=(const RecordingOutbox&) = delete;

    int Send(int type, std::string_view function, std::string_view params, bool, int priority) override {
        sent.push_back({type, std::string(function), std::string(params), priority});
        RdtNode* message = store_.GetOutboxUser(std::nullopt)->AddChild("Message");
        message->AddAttr("Function", function);
        return 28;
    }
    void SetRoot(RdtNode*) override {}

    std::vector<std::string> Functions() const {
        std::vector<std::string> names;
        for (const Message& message : sent) names.push_back(message.function);
        return names;
    }

    std::vector<Message> sent;

private:
    CSubsystem_UserStore& store_;
};

inline UserStoreConfig TestStoreConfig(const std::string& dataFolder) {
    UserStoreConfig config;
    config.dataFolder = dataFolder;
    config.shellFolder = dataFolder;
    config.timeStamp = [] { return int64_t{777}; };
    return config;
}
