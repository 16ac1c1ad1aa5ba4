#include <algorithm>

#include "core/graphics/Event.h"
#include "core/graphics/EventListener.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/services/ServiceObjects.h"

namespace {

class EventObject final : public InterfaceObject<IEvent, CEvent> {
public:
    using InterfaceObject::InterfaceObject;

    int Fire(const intptr_t* args) override {
        EventRecord record{};
        if (args != nullptr) std::copy_n(args, record.size(), record.begin());
        return inner()->Fire(record);
    }
};

class ListenerObject final : public InterfaceObject<IEventListener, CEventListener> {
public:
    using InterfaceObject::InterfaceObject;

    int Reorder(int where) override { return inner()->Reorder(where); }
    int SetValue(int value) override { return inner()->SetUserValue(value); }

    // The applet's last reference going means nobody is left to hear the callback.
    int Release() override {
        CEventListener* listener = inner();
        if (listener->InterfaceCount() == 1) {
            if (CEvent* owner = listener->Owner()) owner->RemoveListener(listener);
        }
        return InterfaceObject::Release();
    }
};

}  // namespace

IEvent* MakeEventObject(CEvent* event) { return event != nullptr ? new EventObject(event) : nullptr; }

IEventListener* MakeListenerObject(CEventListener* listener) {
    return listener != nullptr ? new ListenerObject(listener) : nullptr;
}
