#include "app/Splash.h"

#include <algorithm>

#include "app/ProgramIcon.h"
#include "core/base/Log.h"
#include "core/gif/GifDecoder.h"
#include "core/resources/ResourceFormat.h"
#include "core/resources/ResourceRegistry.h"
#include "core/text/TextDrawer.h"

namespace {
constexpr uint32_t kWindowColour = 0xFFFFFF;
constexpr uint32_t kLegalInk = 0x333333;
}  // namespace

std::array<int, 4> SplashLineTops(const platform::FontMetrics& metrics) {
    std::array<int, 4> tops{};
    const int step = metrics.height + metrics.externalLeading;
    for (size_t i = 0; i < tops.size(); ++i) tops[i] = kSplashTextY + static_cast<int>(i) * step;
    return tops;
}

CSplash::CSplash(platform::Backend& backend, platform::Point screen)
    : pixels_(static_cast<size_t>(kSplashWidth) * kSplashHeight, kWindowColour) {
    DrawPicture();
    DrawLegalLines(backend);

    platform::WindowParams params;
    params.title = "Rivakel";
    params.width = kSplashWidth;
    params.height = kSplashHeight;
    params.position = platform::Point{(screen.x - kSplashWidth) / 2, (screen.y - kSplashHeight) / 2};
    params.splash = true;
    params.icon = ProgramIcon();
    window_ = backend.CreateWindow(params);
    if (!window_) {
        Warning("CSplash: no splash window");
        return;
    }
    window_->Show();
    const platform::Rect all{0, 0, kSplashWidth, kSplashHeight};
    window_->Present({pixels_.data(), kSplashWidth, kSplashHeight, kSplashWidth}, std::span<const platform::Rect>(&all, 1));
    Info("Rivakel: splash %dx%d shown", kSplashWidth, kSplashHeight);
}

void CSplash::DrawPicture() {
    const resources::ResourceModule* shell = resources::ResourceRegistry::Instance().Shell();
    auto data = shell ? shell->Find(resources::kTypeBitmap, "img-splash") : std::nullopt;
    GifImage image;
    if (!data || DecodeGif(*data, image, "img-splash") != kGifOk || image.frames.empty()) {
        Warning("CSplash: img-splash missing or unreadable");
        return;
    }
    const GifFrame& frame = image.frames.front();
    const int width = std::min(image.width, kSplashWidth);
    const int height = std::min(image.height, kSplashHeight);
    for (int y = 0; y < height; ++y) {
        const uint32_t* from = frame.pixels.data() + static_cast<size_t>(y) * image.width;
        std::copy(from, from + width, pixels_.begin() + static_cast<std::ptrdiff_t>(y) * kSplashWidth);
    }
}

void CSplash::DrawLegalLines(platform::Backend& backend) {
    platform::FontRequest request;
    request.face = "Arial";
    request.height = -11;
    std::unique_ptr<platform::Font> font = backend.OpenFont(request);
    if (!font) {
        Warning("CSplash: no font for the legal lines");
        return;
    }
    const std::array<int, 4> tops = SplashLineTops(font->Metrics());
    const platform::PixelView target{pixels_.data(), kSplashWidth, kSplashHeight, kSplashWidth};
    const platform::Rect clip{0, 0, kSplashWidth, kSplashHeight};
    TextStyle style;
    style.colour = kLegalInk;
    for (size_t i = 0; i < kSplashLines.size(); ++i) {
        DrawText(target, clip, {kSplashTextX, tops[i]}, kSplashLines[i], *font, style);
    }
}
