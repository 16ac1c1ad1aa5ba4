#include "core/text/BackendFontOpener.h"

CSubsystem_Font::FontOpener BackendFontOpener() {
    return [](const platform::FontRequest& request) -> std::unique_ptr<platform::Font> {
        platform::Backend* backend = platform::GetBackend();
        return backend != nullptr ? backend->OpenFont(request) : nullptr;
    };
}
