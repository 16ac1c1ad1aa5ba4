// The framed box most portal pages draw: a white (or warm) panel with rounded black corners, a
// black header band carrying a heading picture, and optionally a scroll track down its right.
#pragma once

#include <string_view>

class CImage;

struct FramedBox {
    int left = 0, top = 0, width = 0, height = 0;
    std::string_view header;  // the heading picture, drawn on the band
    bool scrollBar = false;
    bool warm = false;        // (255, 204, 102) instead of white
};

void DrawFramedBox(CImage& image, const FramedBox& box);
// Picture `frame` of a multi-frame picture, drawn as a still at (x, y).
void DrawPictureFrame(CImage& image, std::string_view name, int frame, int x, int y);
