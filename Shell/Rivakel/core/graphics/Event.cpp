#include "core/graphics/Event.h"

#include <algorithm>

#include "core/base/Log.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/EventListener.h"

CEvent::CEvent(CSubsystem_Event* registry, const void* sender, int code, bool autoDelete)
    : registry_(registry), sender_(sender), code_(code), serial_(NextEventSerial()), autoDelete_(autoDelete) {
    if (autoDelete_) AddInternalRef();
}

CEvent::~CEvent() {
    std::vector<CEventListener*> listeners;
    listeners.swap(listeners_);
    for (CEventListener* listener : listeners) {
        listener->owner_ = nullptr;
        listener->ReleaseInternalRef();
    }
    if (registry_) registry_->RemoveEvent(this);
}

int CEvent::AddListener(CEventListener* listener) {
    if (!listener) return 1;
    if (listener->owner_ == this) return 0;
    listener->AddInternalRef();
    if (listener->owner_) listener->owner_->RemoveListener(listener);
    listeners_.push_back(listener);
    listener->owner_ = this;
    return 0;
}

int CEvent::RemoveListener(CEventListener* listener) {
    const auto it = std::find(listeners_.begin(), listeners_.end(), listener);
    if (it == listeners_.end()) {
        Error("Error - unrecognized EventListener (0x%08x) specified in call to CEvent::           RemoveListener",
              listener ? static_cast<unsigned>(listener->Serial()) : 0u);
        return kEventUnknownListener;
    }
    listeners_.erase(it);
    listener->owner_ = nullptr;
    const bool retire = autoDelete_ && listeners_.empty() && !retired_;
    if (retire) {
        retired_ = true;
        if (registry_) registry_->RemoveEvent(this);
    }
    // Released last: the listener may hold the only other reference to this event's owner.
    listener->ReleaseInternalRef();
    if (retire) ReleaseInternalRef();
    return 0;
}

bool CEvent::Contains(const CEventListener* listener, uint64_t serial) const {
    const auto it = std::find(listeners_.begin(), listeners_.end(), listener);
    return it != listeners_.end() && (*it)->Serial() == serial;
}

int CEvent::Fire(EventRecord& record) {
    struct Entry {
        CEventListener* listener;
        uint64_t serial;
    };
    std::vector<Entry> snapshot;
    snapshot.reserve(listeners_.size());
    for (CEventListener* listener : listeners_) snapshot.push_back({listener, listener->Serial()});

    const bool pinned = InternalCount() + InterfaceCount() > 0;
    if (pinned) AddInternalRef();
    int result = 1;
    for (const Entry& entry : snapshot) {
        // Listeners removed during the walk are skipped, and those added during it wait for the next.
        if (!Contains(entry.listener, entry.serial)) continue;
        if (entry.listener->Invoke(record) == 0) {
            result = 0;
            break;
        }
    }
    if (pinned) ReleaseInternalRef();
    return result;
}

int CEvent::Reorder(CEventListener* listener, int where) {
    const auto it = std::find(listeners_.begin(), listeners_.end(), listener);
    if (it == listeners_.end()) return kEventUnknownListener;
    listeners_.erase(it);
    if (where == 1) {
        listeners_.insert(listeners_.begin(), listener);
    } else {
        listeners_.push_back(listener);
    }
    return 0;
}
