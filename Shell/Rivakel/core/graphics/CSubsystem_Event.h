// The event service as the shell frame and the applet interfaces see it, in slot order.
#pragma once

#include <cstdint>

#include "core/graphics/EventCodes.h"

class CEvent;
class CEventListener;
class CSurface;

class CSubsystem_Event {
public:
    virtual ~CSubsystem_Event() = default;
    // Mouse input in main-window coordinates, codes 1 to 7.
    virtual int DispatchMouse(int code, int x, int y) = 0;
    // Fires every registered event of that code with {-, -, key, code, shell key}: 0 when a
    // listener ended the walk, else 1.
    virtual int FireByCode(int code, int shellKey, int key) = 0;
    // A new listener with one internal reference for the caller (see ListenerPtr); attached to
    // the first event of (sender, code), or to a new auto-delete event for codes below 14.
    virtual CEventListener* AddListener(const void* sender, int code, void* context, EventCallback callback) = 0;
    // A new event appended to the registry, with one internal reference for the caller.
    virtual CEvent* RegisterEvent(const void* sender, int code) = 0;
    // Takes the event out of the registry without deleting it. 0.
    virtual int RemoveEvent(CEvent* event) = 0;
    virtual int RemoveListenerFromOwner(CEventListener* listener) = 0;
    virtual void SurfaceGone(CSurface& surface) = 0;
    virtual int SetStoredValueA(intptr_t value) = 0;
    virtual int SetCaptureTarget(const void* value) = 0;
    virtual int ClearCaptureTarget() = 0;
};
