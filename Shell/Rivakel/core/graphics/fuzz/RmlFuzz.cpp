// Rich text of any bytes, with any flags, start point and box, into a small picture: the renderer
// must stay inside its text and the picture and must finish.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "core/graphics/Image.h"
#include "core/graphics/RmlRenderer.h"
#include "core/text/CSubsystem_Font.h"
#include "platform/fonts/Fonts.h"

namespace {

class LinkMaker : public IRmlLinkFactory {
public:
    CRefCounted* CreateLink(const RmlLinkRequest& request) override {
        // Touch the label so a bad view shows under the sanitizers.
        volatile char sink = request.label.empty() ? '\0' : request.label.back();
        (void)sink;
        return new CRefCounted();
    }
};

int Coord(uint8_t b) {
    switch (b) {
        case 0: return INT_MIN;
        case 1: return INT_MAX;
        default: return static_cast<int8_t>(b) * 2;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CSubsystem_Font fonts([](const platform::FontRequest& r) { return platform::OpenBitmapFont(r); });
    constexpr size_t kHeader = 7;
    if (size < kHeader) return 0;
    const unsigned flags = data[0] & 3u;
    const int x = Coord(data[1]), y = Coord(data[2]);
    const platform::Rect box{Coord(data[3]), Coord(data[4]), Coord(data[5]), Coord(data[6])};
    const std::string_view text(reinterpret_cast<const char*>(data + kHeader), size - kHeader);
    auto image = std::make_unique<CImage>(&fonts, 120, 80, 0);
    LinkMaker links;
    RenderRMLText(*image, &fonts, x, y, box, flags, text, (data[0] & 4u) != 0 ? &links : nullptr);
    return 0;
}
