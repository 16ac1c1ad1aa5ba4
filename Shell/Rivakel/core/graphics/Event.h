// An event keyed by (sender, code) with its listeners in firing order.
//
// References: the event holds one internal reference on each listener in its list. An event
// made by the event service is handed over with one internal reference (auto-delete events hold
// it themselves until their last listener leaves). Firing holds one more, so an event released
// inside one of its own callbacks is deleted only when the outermost firing returns.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/base/RefCounted.h"
#include "core/graphics/EventCodes.h"

class CEventListener;
class CSubsystem_Event;

// Result of RemoveListener for a listener that is not in the list.
inline constexpr int kEventUnknownListener = 4;

class CEvent : public CRefCounted {
public:
    // `registry` is told when the event goes; null for an event outside any registry.
    CEvent(CSubsystem_Event* registry, const void* sender, int code, bool autoDelete);
    // Clears every listener's owner, releases them and leaves the registry.
    ~CEvent() override;

    // Appends with one internal reference and becomes its owner (taking it from another event).
    // 0, or 1 for null.
    int AddListener(CEventListener* listener);
    // 0, or kEventUnknownListener (logged). Releases the list's reference; an auto-delete event
    // left empty leaves the registry and deletes itself.
    int RemoveListener(CEventListener* listener);
    // Calls the listeners that were in the list when the firing began and still are, in order,
    // until one returns 0: then 0, else 1.
    int Fire(EventRecord& record);
    // 0 moves the listener to the end, 1 to the front. 0, or kEventUnknownListener.
    int Reorder(CEventListener* listener, int where);

    const void* Sender() const { return sender_; }
    int Code() const { return code_; }
    bool IsAutoDelete() const { return autoDelete_; }
    size_t ListenerCount() const { return listeners_.size(); }
    uint64_t Serial() const { return serial_; }
    // The registry is going away before the event.
    void DetachRegistry() { registry_ = nullptr; }

private:
    bool Contains(const CEventListener* listener, uint64_t serial) const;

    std::vector<CEventListener*> listeners_;
    CSubsystem_Event* registry_;
    const void* sender_;
    int code_;
    uint64_t serial_;
    bool autoDelete_;
    bool retired_ = false;  // an auto-delete event that has let go of its own reference
};

// A shell-side hold on an event: dropping it releases the reference it was handed with.
struct EventRelease {
    void operator()(CEvent* event) const {
        if (event) event->ReleaseInternalRef();
    }
};
using EventPtr = std::unique_ptr<CEvent, EventRelease>;
