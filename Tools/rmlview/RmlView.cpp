// rmlview FILE [WIDTH HEIGHT]: draws an RML file into a window through the platform backend,
// as the shell would, with each link label drawn in blue where its link would sit. Escape or
// closing the window ends it.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/Strings.h"
#include "core/graphics/Image.h"
#include "core/graphics/RmlRenderer.h"
#include "core/text/BackendFontOpener.h"
#include "core/text/CSubsystem_Font.h"
#include "platform/Platform.h"

namespace {

constexpr int kMargin = 10;

class RecordedLinks : public IRmlLinkFactory {
public:
    struct Link {
        platform::Rect area;
        std::string label;
        int sizeIndex;
    };
    CRefCounted* CreateLink(const RmlLinkRequest& request) override {
        links.push_back({request.area, std::string(request.label), request.sizeIndex});
        return new CRefCounted();
    }
    std::vector<Link> links;
};

bool ParseSide(std::string_view text, int& out) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size() && out >= 16 && out <= 4096;
}

void Draw(CImage& image, CSubsystem_Font& fonts, const std::string& text) {
    int width = 0, height = 0;
    image.GetSize(width, height);
    image.ClearToColor(255, 255, 255);
    image.SetTextColor(0, 0, 0);
    image.SetBackgroundColor(255, 240, 160);
    RecordedLinks links;
    const platform::Rect box{kMargin, kMargin, width - kMargin, height - kMargin};
    if (RenderRMLText(image, &fonts, box.left, box.top, box, 0, text, &links) != 0) {
        RenderRMLText(image, &fonts, box.left, box.top, box, kRmlPlainRun, "The file holds a character RML refuses.",
                      nullptr);
        return;
    }
    for (const RecordedLinks::Link& link : links.links) {
        const std::string label = FormatToString("<T><S%d><U><C0000ff>", link.sizeIndex) + link.label;
        RenderRMLText(image, &fonts, link.area.left, link.area.top, {0, 0, width, height}, 0, label, nullptr);
    }
}

}  // namespace

int main(int argc, char** argv) {
    int width = 500, height = 420;
    if (argc != 2 && !(argc == 4 && ParseSide(argv[2], width) && ParseSide(argv[3], height))) {
        std::fprintf(stderr, "usage: rmlview FILE [WIDTH HEIGHT]   (sides 16 to 4096)\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "rmlview: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    platform::Backend* backend = platform::GetBackend();
    if (backend == nullptr) {
        std::fprintf(stderr, "rmlview: no display\n");
        return 1;
    }
    platform::WindowParams params;
    params.title = std::string("rmlview - ") + argv[1];
    params.width = width;
    params.height = height;
    std::unique_ptr<platform::Window> window = backend->CreateWindow(params);
    if (!window) return 1;

    {
        CSubsystem_Font fonts(BackendFontOpener());
        auto image = std::make_unique<CImage>(&fonts, width, height, 0);
        Draw(*image, fonts, text);
        const platform::Rect all{0, 0, width, height};
        window->Present(image->GetRenderTarget().Lock(), {&all, 1});
        for (bool running = true; running;) {
            platform::Event event;
            if (!backend->WaitEvent(event, 1000)) continue;
            switch (event.type) {
                case platform::EventType::CloseRequested:
                case platform::EventType::SessionEnding: running = false; break;
                case platform::EventType::KeyDown: running = event.key != platform::VkEscape; break;
                case platform::EventType::Exposed:
                case platform::EventType::RendererReset:
                    window->Present(image->GetRenderTarget().Lock(), {&all, 1});
                    break;
                default: break;
            }
        }
    }
    window.reset();
    return 0;
}
