// Shell callbacks reach methods through static forwarders: word 0 of the callback's arguments
// is the object registered as context, and the forwarder calls that object's method with the
// whole argument array. A method may delete its own object (CApplet::SetScreen from a screen's
// button); the forwarder touches nothing after the call.
#pragma once

#include <cstdint>

#include "frame/api/ShellObject.h"

template <auto Method>
struct ForwarderOf;

template <class Object, int (Object::*Method)(intptr_t*)>
struct ForwarderOf<Method> {
    // Nothing thrown crosses into the shell.
    static int Call(intptr_t* args) {
        try {
            return (reinterpret_cast<Object*>(args[0])->*Method)(args);
        } catch (...) {
            return 0;
        }
    }
};

// Forward<&CPlayScreen::OnResign> is the callback that calls OnResign on the context object.
template <auto Method>
inline constexpr AppletCallback Forward = &ForwarderOf<Method>::Call;

// The tick of a timer that is only kept for its pacing: does nothing. 0.
int NullTickThunk(intptr_t* args);
