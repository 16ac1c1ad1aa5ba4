// Strings and buffers that come from applets: a null string counts as "" (logged once per
// call, naming the operation), and a buffer is only written within the size it was given.
#pragma once

#include <span>
#include <string_view>

#include "core/base/Log.h"

inline std::string_view AppletText(const char* text, const char* operation) {
    if (text != nullptr) return text;
    Warning("%s: null string taken as empty", operation);
    return {};
}

inline std::span<char> AppletBuffer(char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return {};
    return {buffer, static_cast<size_t>(size)};
}
