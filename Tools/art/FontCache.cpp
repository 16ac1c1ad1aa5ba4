#include "art/FontCache.h"

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "art/Canvas.h"
#include "platform/fonts/Fonts.h"

namespace art {

platform::Font* FontCache::Get(const TextStyle& style) {
    using Fonts = std::map<std::tuple<std::string, int, bool>, std::unique_ptr<platform::Font>>;
    // The font engine keeps process-wide state that the cached fonts use when they close, so
    // it starts before the cache exists and therefore ends after it.
    static Fonts fonts = [] {
        platform::FontRequest probe;
        probe.face = "Arial";
        probe.height = -11;
        platform::OpenSystemFont(probe);
        return Fonts{};
    }();
    auto& slot = fonts[{std::string(style.face), style.height, style.bold}];
    if (slot == nullptr) {
        platform::FontRequest request;
        request.face = std::string(style.face);
        request.height = -style.height;
        request.weight = style.bold ? 700 : 400;
        slot = platform::OpenSystemFont(request);
        if (slot == nullptr) slot = platform::OpenBitmapFont(request);
    }
    return slot.get();
}

}  // namespace art
