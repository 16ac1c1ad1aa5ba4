// The program icon "RivIcon" in the sizes the window, the splash and the desktop entry use.
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;

art::Picture DrawIcon(int size) {
    Canvas c(size, size);
    const float s = static_cast<float>(size);
    const float radius = s / 5;
    // An orange tile lit from the top left, with a darker rim.
    c.Fill(Path::RoundRect(1, 1, s - 2, s - 2, radius),
           Paint::Linear(0, 0, s, s, {{0, 0xFFCC66}, {0.5f, 0xFF9900}, {1, 0xDD7700}}));
    c.Outline(Path::RoundRect(1.5f, 1.5f, s - 3, s - 3, radius), 1.0f, 0x994400);
    c.Fill(Path::RoundRect(s * 0.16f, s * 0.1f, s * 0.68f, s * 0.12f, s * 0.06f), Paint::Solid(0xFFE0A0));
    // A bold indigo R with a cream rim.
    const art::TextStyle style{size * 3 / 4, true};
    const int x = (size - Canvas::TextWidth("R", style)) / 2;
    const int y = (size - Canvas::TextHeight(style)) / 2 + size / 16;
    c.OutlinedText(x, y, "R", style, 0x333399, 0xFFFFCC);
    // A cream sparkle in the corner.
    const float cx = s * 0.8f, cy = s * 0.2f, r = s * 0.16f;
    c.Fill(Path::Polygon({{cx, cy - r}, {cx + r * 0.3f, cy - r * 0.3f}, {cx + r, cy}, {cx + r * 0.3f, cy + r * 0.3f},
                          {cx, cy + r}, {cx - r * 0.3f, cy + r * 0.3f}, {cx - r, cy}, {cx - r * 0.3f, cy - r * 0.3f}}),
           Paint::Solid(0xFFFFCC));
    return art::Still(std::move(c));
}

const art::ImageRecipe icon32{"RivIcon-32x32.gif", 32, 32, 1, [] { return DrawIcon(32); }};
const art::ImageRecipe icon48{"RivIcon-48x48.gif", 48, 48, 1, [] { return DrawIcon(48); }};

}  // namespace
