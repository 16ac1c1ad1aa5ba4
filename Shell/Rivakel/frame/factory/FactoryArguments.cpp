#include "frame/factory/FactoryArguments.h"

#include <cstdint>

#include "core/base/Log.h"
#include "core/graphics/RenderTarget.h"

namespace {
constexpr int kMaxPictureSide = 16384;
}

std::string_view TextArgument(const char* text, const char* operation) {
    if (text != nullptr) return text;
    Error("Error - null string passed to IShellFactory::%s; taken as empty", operation);
    return {};
}

AppletCallback CallbackArgument(AppletCallback callback, const char* operation) {
    if (callback == nullptr)
        Error("Error - null callback passed to IShellFactory::%s; it will never be called", operation);
    return callback;
}

bool PictureSizeAccepted(int width, int height, const char* operation) {
    const bool accepted = width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
                          int64_t{width} * height <= CRenderTarget::kMaxPixels;
    if (!accepted) Error("Error - invalid size (%dx%d) passed to IShellFactory::%s", width, height, operation);
    return accepted;
}
