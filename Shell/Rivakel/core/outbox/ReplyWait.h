// A form's wait for the reply to the message it queued. The wait ends when the reply or the
// news of no connection has been delivered once, or when the form cancels it; a form that goes
// away cancels it by destroying this object, after which nothing reaches the form.
#pragma once

#include <functional>
#include <memory>

#include "core/net/ServerReply.h"

// Hears the reply record: its status is the server's (bit 0x80 set for "no connection").
using ReplyHandler = std::function<void(const ServerReply& reply)>;

class ReplyWait {
public:
    ReplyWait() = default;
    ~ReplyWait() { Cancel(); }
    ReplyWait(ReplyWait&&) noexcept = default;
    ReplyWait& operator=(ReplyWait&& other) noexcept {
        if (this != &other) {
            Cancel();
            slot_ = std::move(other.slot_);
        }
        return *this;
    }
    ReplyWait(const ReplyWait&) = delete;
    ReplyWait& operator=(const ReplyWait&) = delete;

    void Cancel() {
        if (slot_) slot_->handler = nullptr;
        slot_.reset();
    }
    bool Waiting() const { return slot_ && slot_->handler; }

    // Shared with the outbox, which outlives or predeceases the form: whoever is left lets go.
    struct Slot {
        ReplyHandler handler;
    };
    explicit ReplyWait(std::shared_ptr<Slot> slot) : slot_(std::move(slot)) {}

private:
    std::shared_ptr<Slot> slot_;
};
