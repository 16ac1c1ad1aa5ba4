// An event keyed by sender and code, and one listener on it (IShellFactory::AddListener).
#pragma once

#include <cstdint>

#include "frame/api/ShellObject.h"

class IEvent : public IShellObject {
public:
    // args: five words (null: all zero), copied; each listener gets words 0 and 1 of its own.
    // 1 when every listener ran, 0 when one answered 0.
    virtual int Fire(const intptr_t* args) = 0;                                           // 2

protected:
    IEvent() = default;
    ~IEvent() override = default;
};

// Releasing the last reference takes the listener off its event.
class IEventListener : public IShellObject {
public:
    // 0 to the end of the event's list, 1 to the front. 0.
    virtual int Reorder(int where) = 0;                                                   // 2
    // What the callback receives as word 1. 0.
    virtual int SetValue(int value) = 0;                                                  // 3

protected:
    IEventListener() = default;
    ~IEventListener() override = default;
};
