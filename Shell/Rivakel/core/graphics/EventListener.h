// One callback on an event: its context and user value become words 0 and 1 of the record.
#pragma once

#include <cstdint>
#include <memory>

#include "core/base/RefCounted.h"
#include "core/graphics/EventCodes.h"

class CEvent;

class CEventListener : public CRefCounted {
public:
    CEventListener(void* context, EventCallback callback);
    // Leaves its event when it still has one.
    ~CEventListener() override;

    // Fills words 0 and 1 and calls the callback. The listener may be gone when this returns.
    int Invoke(EventRecord& record);
    int SetUserValue(intptr_t value) {
        userValue_ = value;
        return 0;
    }
    intptr_t UserValue() const { return userValue_; }
    void* Context() const { return context_; }
    // 0 to the end of its event's list, 1 to the front; 0 (nothing moves without an event).
    int Reorder(int where);
    CEvent* Owner() const { return owner_; }
    // Never reused, so a walk can tell this listener from a later one at the same address.
    uint64_t Serial() const { return serial_; }

private:
    friend class CEvent;
    CEvent* owner_ = nullptr;
    EventCallback callback_;
    void* context_;
    intptr_t userValue_ = 0;
    uint64_t serial_;
};

// The next serial for listeners and events.
uint64_t NextEventSerial();

// A shell-side hold on a listener: dropping it takes the listener off its event and releases
// the hold, so the callback is never called for an owner that is gone.
struct ListenerRelease {
    void operator()(CEventListener* listener) const;
};
using ListenerPtr = std::unique_ptr<CEventListener, ListenerRelease>;
