#include "app/ProgramIcon.h"

#include "core/base/Log.h"
#include "core/gif/GifDecoder.h"
#include "core/resources/ResourceFormat.h"
#include "core/resources/ResourceRegistry.h"

namespace {

// The largest size the window systems show in task lists; they scale it down themselves.
constexpr std::string_view kIconName = "RivIcon-48x48";

struct DecodedIcon {
    GifImage image;
    bool ok = false;
};

DecodedIcon Decode() {
    DecodedIcon icon;
    auto data = resources::ResourceRegistry::Instance().Find(resources::kTypeIcon, kIconName);
    if (!data) return icon;
    if (DecodeGif(*data, icon.image, kIconName) != kGifOk || icon.image.frames.empty()) {
        Warning("ProgramIcon: %.*s does not decode", static_cast<int>(kIconName.size()), kIconName.data());
        return icon;
    }
    icon.ok = true;
    return icon;
}

}  // namespace

std::optional<platform::PixelView> ProgramIcon() {
    static DecodedIcon icon = Decode();
    if (!icon.ok) return std::nullopt;
    GifFrame& frame = icon.image.frames.front();
    return platform::PixelView{frame.pixels.data(), icon.image.width, icon.image.height, icon.image.width};
}
