#include "core/graphics/EventListener.h"

#include "core/graphics/Event.h"

uint64_t NextEventSerial() {
    static uint64_t next = 0;
    return ++next;
}

CEventListener::CEventListener(void* context, EventCallback callback)
    : callback_(callback), context_(context), serial_(NextEventSerial()) {}

CEventListener::~CEventListener() {
    // Only reachable with an owner when someone deleted the listener directly.
    if (owner_) owner_->RemoveListener(this);
}

int CEventListener::Invoke(EventRecord& record) {
    record[0] = reinterpret_cast<intptr_t>(context_);
    record[1] = userValue_;
    const EventCallback callback = callback_;
    if (!callback) return 1;
    return callback(record.data());
}

int CEventListener::Reorder(int where) {
    if (owner_) owner_->Reorder(this, where);
    return 0;
}

void ListenerRelease::operator()(CEventListener* listener) const {
    if (!listener) return;
    // The event's reference may be the last but one; keep ours until it has let go.
    if (CEvent* owner = listener->Owner()) owner->RemoveListener(listener);
    listener->ReleaseInternalRef();
}
