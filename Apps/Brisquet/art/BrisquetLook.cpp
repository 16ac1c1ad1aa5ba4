#include "BrisquetLook.h"

#include <algorithm>

namespace brisquet_art {

const BubbleInk kKinds[kKindCount] = {
    {0x7A0E16, 0xB81E2A, 0xEE3B44, 0xFF8A86, 0xFFF2F0},  // red
    {0x0D2F7A, 0x1D5BC4, 0x3A8CF2, 0x8CC4FF, 0xF0F8FF},  // blue
    {0x8A5C00, 0xE0A100, 0xFFD43A, 0xFFF08C, 0xFFFFF0},  // yellow
    {0x0E5418, 0x24952F, 0x44C84C, 0x9CEB8A, 0xF2FFEE},  // green
    // Black on a black screen: a steel rim and a cool sheen keep it in sight.
    {0x7C86A0, 0x15171F, 0x2C303C, 0x565E78, 0xE8ECF8},
    {0x7E8CAE, 0xC6D0E6, 0xEEF3FF, 0xFFFFFF, 0xFFFFFF},  // white
};

void DrawBubble(art::Canvas& c, float cx, float cy, float r, const BubbleInk& ink, float squash) {
    const float rx = r * (1 + squash), ry = r * (1 - squash);
    c.Fill(art::Path::Ellipse(cx, cy, rx, ry), ink.rim);
    c.Fill(art::Path::Ellipse(cx, cy, rx - 1.3f, ry - 1.3f), ink.shade);
    // The body sits up and left of the shade, leaving a crescent of shadow low on the right.
    c.Fill(art::Path::Ellipse(cx - rx * 0.09f, cy - ry * 0.09f, rx * 0.8f, ry * 0.8f), ink.body);
    c.Fill(art::Path::Ellipse(cx - rx * 0.3f, cy - ry * 0.32f, rx * 0.38f, ry * 0.3f), ink.light);
    c.Fill(art::Path::Ellipse(cx - rx * 0.36f, cy - ry * 0.4f, rx * 0.15f, ry * 0.1f), ink.glint);
    // Light thrown back from below.
    art::Path rim;
    rim.MoveTo(cx + rx * 0.2f, cy + ry * 0.72f);
    rim.QuadTo(cx + rx * 0.68f, cy + ry * 0.6f, cx + rx * 0.74f, cy + ry * 0.14f);
    c.Outline(rim, std::max(1.0f, r * 0.09f), ink.light);
}

void DrawSparkle(art::Canvas& c, float cx, float cy, float size, uint32_t colour) {
    if (size <= 0.5f) return;
    const float waist = std::max(0.7f, size * 0.22f);
    c.Fill(art::Path::Polygon({{cx, cy - size},
                               {cx + waist, cy - waist},
                               {cx + size, cy},
                               {cx + waist, cy + waist},
                               {cx, cy + size},
                               {cx - waist, cy + waist},
                               {cx - size, cy},
                               {cx - waist, cy - waist}}),
           colour);
}

void DrawLettering(art::Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style) {
    // A thick brown ring with a drop below it, then a thin cream one.
    const int ring = std::max(2, style.height / 12);
    for (int dy = -ring; dy <= ring + 2; ++dy)
        for (int dx = -ring; dx <= ring; ++dx)
            if (dx * dx + dy * dy <= (ring + 2) * (ring + 2)) c.Text(x + dx, y + dy, text, style, kBrown);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) c.Text(x + dx, y + dy, text, style, 0xFFF7D6);
    art::Canvas letters(c.Width(), c.Height());
    letters.Text(x, y, text, style, 0xFFFFFF);
    const int height = art::Canvas::TextHeight(style);
    for (int py = std::max(0, y); py < std::min(c.Height(), y + height); ++py) {
        const float t = static_cast<float>(py - y) / static_cast<float>(height);
        // Three flat bands, as if lit from above: pale gold, gold, orange.
        const uint32_t tone = t < 0.38f ? 0xFFE15C : t < 0.66f ? kGold : kOrange;
        for (int px = 0; px < c.Width(); ++px)
            if (letters.At(px, py) != art::kKey) c.Set(px, py, tone);
    }
}

void DrawBand(art::Canvas& c, float x, float y, float w, float h, float radius) {
    c.Fill(art::Path::RoundRect(x, y, w, h, radius), kGoldDark);
    c.Fill(art::Path::RoundRect(x + 1, y + 1, w - 2, h - 2, radius - 1), kGold);
    c.Fill(art::Path::RoundRect(x + 3, y + 3, w - 6, h - 6, radius - 3), kNight);
    // A glassy sheen across the upper part.
    c.Fill(art::Path::RoundRect(x + 7, y + 6, w - 14, (h - 12) * 0.42f, std::max(2.0f, radius - 6)), kNightLight);
}

}  // namespace brisquet_art
