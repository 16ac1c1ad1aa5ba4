// What the user store hands to the outbox: tracking lines and salvaged requests to send, and
// the user whose queue is current. The outbox implements it and registers with the store.
#pragma once

#include <string_view>

class RdtNode;

class IOutboxLink {
public:
    virtual ~IOutboxLink() = default;
    // Sends now or queues; the result is the outbox's result code.
    virtual int Send(int type, std::string_view function, std::string_view params, bool forceConn,
                     int priority) = 0;
    // The Core user element that became current (null when none).
    virtual void SetRoot(RdtNode* user) = 0;
    // The store got its folder (the shell was installed) or lost it.
    virtual void OnInstalledChanged(bool /*installed*/) {}
};
