// A shell callback's first word is the object it was registered with: Thunk<&CX::OnY> is the
// callback that calls OnY on that object, with the whole record or without it. Nothing runs
// after the method returns, so a method may end its own object.
#pragma once

#include <cstdint>

template <auto Method>
struct ThunkOf;

template <class Object, int (Object::*Method)(intptr_t*)>
struct ThunkOf<Method> {
    static int Call(intptr_t* record) { return (reinterpret_cast<Object*>(record[0])->*Method)(record); }
};

template <class Object, int (Object::*Method)()>
struct ThunkOf<Method> {
    static int Call(intptr_t* record) { return (reinterpret_cast<Object*>(record[0])->*Method)(); }
};

template <auto Method>
inline constexpr int (*Thunk)(intptr_t*) = &ThunkOf<Method>::Call;
