#include "SeaArt.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "AurelskPalette.h"

namespace aurelsk_art {

using art::Canvas;
using art::Path;

Canvas Mirrored(const Canvas& c) {
    Canvas out(c.Width(), c.Height());
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            if (c.At(x, y) != art::kKey) out.Set(c.Width() - 1 - x, y, c.At(x, y));
        }
    }
    return out;
}

art::Picture MirroredPicture(const art::Picture& p) {
    art::Picture out = p;
    for (Canvas& frame : out.frames) frame = Mirrored(frame);
    return out;
}

namespace {

// A propeller seen from the side: two blades that shorten and lengthen as they turn.
void Propeller(Canvas& c, float x, float cy, float reach, int turn, uint32_t blade, uint32_t dark) {
    const float swing = std::cos(static_cast<float>(turn) * 1.0472f);
    c.Fill(Path::Ellipse(x, cy - reach * swing, 1.4f, std::max(1.0f, reach * std::abs(swing))), blade);
    c.Fill(Path::Ellipse(x, cy + reach * (1 - std::abs(swing)) * 0.8f, 1.4f, 1.6f), dark);
    c.Fill(Path::Ellipse(x + 1.2f, cy, 1.6f, 1.6f), dark);
}

void Porthole(Canvas& c, float cx, float cy, float r, uint32_t rim, uint32_t glass, uint32_t glint) {
    c.Fill(Path::Ellipse(cx, cy, r + 0.9f, r + 0.9f), rim);
    c.Fill(Path::Ellipse(cx, cy, r, r), glass);
    c.Fill(Path::Ellipse(cx - r * 0.35f, cy - r * 0.35f, r * 0.35f, r * 0.35f), glint);
}

}  // namespace

void DrawDiver(Canvas& c, float x, float y, int turn) {
    const auto hull = Path::RoundRect(x + 5, y + 9, 40, 13, 6.5f);
    // Tail fins, tower and periscope behind the hull.
    c.Fill(Path::Polygon({{x + 4, y + 7}, {x + 11, y + 11}, {x + 11, y + 20}, {x + 4, y + 24}}), kDiverOutline);
    c.Fill(Path::Polygon({{x + 5, y + 8.5f}, {x + 10, y + 12}, {x + 10, y + 19}, {x + 5, y + 22.5f}}), kDiverHullShade);
    c.Line(x + 27, y + 5, x + 27, y + 1, 1.6f, kSteelDark);
    c.Line(x + 27, y + 1, x + 31.5f, y + 1, 1.6f, kSteelDark);
    c.Fill(Path::RoundRect(x + 17, y + 3, 15, 9, 3), kDiverOutline);
    c.Fill(Path::RoundRect(x + 18, y + 4, 13, 8, 2.5f), kDiverHull);
    c.Fill(Path::Rect(x + 19, y + 5, 9, 1), kDiverLight);
    c.Fill(hull.Stroke(2), kDiverOutline);
    c.Fill(hull, kDiverHull);
    // Flat shade on the lower third and a highlight along the top: light from the top left.
    for (int row = static_cast<int>(y) + 18; row < static_cast<int>(y) + 22; ++row) {
        for (int col = static_cast<int>(x) + 6; col < static_cast<int>(x) + 44; ++col) {
            if (c.At(col, row) == kDiverHull) c.Set(col, row, kDiverHullShade);
        }
    }
    c.Fill(Path::RoundRect(x + 9, y + 10.5f, 22, 2, 1), kDiverLight);
    for (const float px : {16.0f, 25.0f, 34.0f}) Porthole(c, x + px, y + 15.5f, 2.2f, kDiverOutline, kGlass, kWhite);
    c.Fill(Path::Ellipse(x + 43.5f, y + 15.5f, 1.6f, 3.2f), kSteel);  // searchlight on the nose
    Propeller(c, x + 2.5f, y + 15.5f, 4.5f, turn, kSteel, kSteelDark);
}

void DrawPirate(Canvas& c, bool big, bool damaged, int turn) {
    const float w = static_cast<float>(c.Width());
    const float h = static_cast<float>(c.Height());
    const float s = h / 28.0f;
    const float top = 10 * s;
    const uint32_t trim = big ? kRust : kMiniTrim;
    const auto hull = Path::RoundRect(5 * s, top, w - 9 * s, h - top - 2, (h - top) * 0.45f);
    // Tower with its flag pole.
    c.Line(w * 0.55f, top - 1, w * 0.55f, 1, 1.2f, kPirateOutline);
    c.Fill(Path::Polygon({{w * 0.55f + 0.5f, 1}, {w * 0.55f + 8 * s, 2.5f * s}, {w * 0.55f + 0.5f, 5 * s}}), kPirateOutline);
    c.Fill(Path::Ellipse(w * 0.55f + 3.2f * s, 2.9f * s, 1.1f, 1.0f), kWhite);  // the skull
    c.Fill(Path::RoundRect(w * 0.36f, top - 7 * s, w * 0.2f, 8 * s, 2), kPirateOutline);
    c.Fill(Path::RoundRect(w * 0.36f + 1, top - 6 * s, w * 0.2f - 2, 7 * s, 1.5f), kPirateHull);
    // Tail fins and a saw of teeth on the nose.
    c.Fill(Path::Polygon({{1, top - 2}, {9 * s, top + 3}, {9 * s, h - 4}, {1, h}}), kPirateOutline);
    for (int i = 0; i < 3; ++i) {
        const float ty = top + 2 + static_cast<float>(i) * (h - top - 4) / 3;
        c.Fill(Path::Polygon({{w - 5 * s, ty}, {w - 0.5f, ty + 2 * s}, {w - 5 * s, ty + 4 * s}}), kSteel);
    }
    c.Fill(hull.Stroke(2), kPirateOutline);
    c.Fill(hull, kPirateHull);
    const int shadeFrom = static_cast<int>(h - (h - top) * 0.35f);
    for (int row = shadeFrom; row < c.Height(); ++row) {
        for (int col = 0; col < c.Width(); ++col) {
            if (c.At(col, row) == kPirateHull) c.Set(col, row, kPirateHullShade);
        }
    }
    c.Fill(Path::Rect(8 * s, top + (h - top) * 0.38f, w - 16 * s, 2 * s), trim);
    c.Fill(Path::RoundRect(10 * s, top + 1.5f, w * 0.4f, 1.5f, 0.7f), kPirateLight);
    const int holes = big ? 4 : 2;
    for (int i = 0; i < holes; ++i) {
        const float px = w * 0.3f + static_cast<float>(i) * w * 0.14f;
        Porthole(c, px, top + (h - top) * 0.62f, 1.8f * s, kPirateOutline, damaged ? kFlame : 0xFFE27A, kWhite);
    }
    Propeller(c, 3 * s, top + (h - top) * 0.5f, 5 * s, turn, kSteel, kSteelDark);
    if (!damaged) return;
    // Torn plates, a crack and smoke pouring from the tower.
    c.Line(w * 0.22f, top + 2, w * 0.3f, h - 6, 1.2f, kPirateOutline);
    c.Line(w * 0.3f, h - 6, w * 0.26f, h - 3, 1.0f, kPirateOutline);
    c.Fill(Path::Ellipse(w * 0.7f, top + (h - top) * 0.4f, 3 * s, 2.4f * s), kPirateOutline);
    c.Fill(Path::Ellipse(w * 0.7f, top + (h - top) * 0.4f, 1.8f * s, 1.4f * s), kFlame);
    const float puff = static_cast<float>(turn % 3);
    for (int i = 0; i < 3; ++i) {
        const float fi = static_cast<float>(i);
        c.Fill(Path::Ellipse(w * 0.42f - fi * 4 * s - puff, top - 7 * s - fi * 1.5f, 2.6f - fi * 0.4f, 2.2f - fi * 0.4f),
               art::Mix(kSmoke, kSteel, fi * 0.3f));
    }
}

void DrawShark(Canvas& c, int beat) {
    const float tail = std::sin(static_cast<float>(beat) * std::numbers::pi_v<float> / 2) * 3.0f;
    Path body;
    body.MoveTo(62, 13);
    body.QuadTo(58, 5.5f, 45, 6);
    body.LineTo(30, 6.5f);
    body.QuadTo(19, 7.5f, 11, 11);
    body.LineTo(2, 2 + tail);
    body.LineTo(6, 12.5f);
    body.LineTo(2, 23 + tail * 0.5f);
    body.LineTo(11, 15);
    body.QuadTo(22, 19.5f, 34, 19.5f);
    body.LineTo(47, 19.5f);
    body.QuadTo(58, 19, 62, 13);
    body.Close();
    const auto dorsal = Path::Polygon({{28, 7}, {37, 0.5f}, {41, 7}});
    const auto flipper = Path::Polygon({{38, 17}, {33, 23.5f}, {46, 18.5f}});
    c.Fill(dorsal.Stroke(1.6f), kSharkDark);
    c.Fill(dorsal, kShark);
    c.Fill(body.Stroke(1.6f), kSharkDark);
    c.Fill(body, kShark);
    c.Fill(Path::Ellipse(40, 17, 19, 3.2f), kBelly);
    c.Fill(Path::RoundRect(24, 8, 24, 1.6f, 0.8f), kSharkLight);
    c.Fill(flipper.Stroke(1.4f), kSharkDark);
    c.Fill(flipper, kShark);
    for (int g = 0; g < 3; ++g) c.Line(44 - 2.0f * static_cast<float>(g), 10, 43 - 2.0f * static_cast<float>(g), 14, 0.9f, kSharkDark);
    c.Fill(Path::Ellipse(54, 10.5f, 1.6f, 1.6f), kInk);
    c.Set(54, 10, kWhite);
    // A grin of teeth.
    c.Line(50, 15.5f, 60, 14.5f, 1.0f, kInk);
    for (int t = 0; t < 4; ++t) c.Set(51 + 2 * t, 15, kWhite);
}

void Bubble(Canvas& c, float x, float y, float r) {
    c.Fill(Path::Ellipse(x, y, r, r).Stroke(std::max(0.8f, r * 0.3f)), kGlass);
    c.Fill(Path::Ellipse(x - r * 0.35f, y - r * 0.35f, r * 0.3f, r * 0.3f), kWhite);
}

art::Picture Explosion(int size, int frames) {
    art::Picture p;
    p.loop = false;
    const float mid = static_cast<float>(size) / 2;
    for (int f = 0; f < frames; ++f) {
        Canvas c(size, size);
        const float t = static_cast<float>(f) / static_cast<float>(frames - 1);
        const float grow = std::min(1.0f, t * 2.2f + 0.25f);
        const float fade = std::clamp((t - 0.4f) / 0.6f, 0.0f, 1.0f);
        const float r = mid * 0.92f * grow;
        // Smoke puffs around the fireball, drifting up as it burns out.
        for (int i = 0; i < 7; ++i) {
            const float a = static_cast<float>(i) * 0.8976f + t;
            const float pr = r * (0.38f - fade * 0.15f);
            if (pr < 1) continue;
            c.Fill(Path::Ellipse(mid + std::cos(a) * r * 0.62f, mid + std::sin(a) * r * 0.62f - fade * mid * 0.3f, pr, pr),
                   art::Mix(kSmoke, kSteel, fade));
        }
        if (fade < 1) {
            const float fr = r * 0.8f * (1 - fade);
            c.Fill(Path::Ellipse(mid, mid, fr, fr),
                   art::Paint::Radial(mid - fr * 0.2f, mid - fr * 0.2f, std::max(fr, 1.0f),
                                      {{0, kWhite}, {0.3f, kGoldLight}, {0.6f, kFire}, {1, kFlame}}));
        }
        // Sparks thrown outward early, bubbles rising at the end.
        for (int i = 0; i < 8; ++i) {
            const float a = static_cast<float>(i) * 0.785f + 0.3f;
            const float d = mid * (0.3f + t * 0.65f);
            if (t < 0.6f) {
                c.Fill(Path::Ellipse(mid + std::cos(a) * d, mid + std::sin(a) * d, 1.4f, 1.4f), i % 2 ? kFire : kGoldLight);
            } else if (i % 2 == 0) {
                Bubble(c, mid + std::cos(a) * d * 0.7f, mid + std::sin(a) * d * 0.5f - t * mid * 0.4f, 1.5f + (1 - t) * 2);
            }
        }
        p.frames.push_back(std::move(c));
        p.delays.push_back(9);
    }
    return p;
}

void Coin(Canvas& c, float cx, float cy, float r) {
    c.Fill(Path::Ellipse(cx, cy, r, r * 0.7f), kGoldDark);
    c.Fill(Path::Ellipse(cx - 0.3f, cy - 0.4f, r - 1, r * 0.7f - 1), kGold);
    c.Fill(Path::Ellipse(cx - r * 0.35f, cy - r * 0.3f, r * 0.3f, r * 0.18f), kGoldLight);
}

int TitleText(Canvas& c, int x, int y, std::string_view text, int height, uint32_t fill, uint32_t edge) {
    const art::TextStyle style{height, true, "Arial"};
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (dx * dx + dy * dy <= 5) c.Text(x + dx, y + dy, text, style, edge);
        }
    }
    return c.Text(x, y, text, style, fill);
}

}  // namespace aurelsk_art
