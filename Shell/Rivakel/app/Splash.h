// The 400x240 window shown while the session starts.
#pragma once

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

inline constexpr int kSplashWidth = 400;
inline constexpr int kSplashHeight = 240;
inline constexpr int kSplashTextX = 90;
inline constexpr int kSplashTextY = 172;

// The legal notice under the splash picture.
inline constexpr std::array<std::string_view, 4> kSplashLines = {
    "Rivakel game portal (c) the Rivakel developers.",
    "All rights reserved.",
    "Use of this program is subject to its licence.",
    "Games, pictures and sounds are protected by copyright.",
};

// The top of each legal line: each one lower than the last by the font's height and external leading.
std::array<int, 4> SplashLineTops(const platform::FontMetrics& metrics);

class CSplash {
public:
    // Shows the splash centred on the screen; shows nothing when the window cannot be made.
    CSplash(platform::Backend& backend, platform::Point screen);
    CSplash(const CSplash&) = delete;
    CSplash& operator=(const CSplash&) = delete;

    // The splash's image as presented (400x240).
    const std::vector<uint32_t>& Pixels() const { return pixels_; }
    bool Shown() const { return window_ != nullptr; }

private:
    void DrawPicture();
    void DrawLegalLines(platform::Backend& backend);

    std::vector<uint32_t> pixels_;
    std::unique_ptr<platform::Window> window_;
};
