#include "TallimoLook.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "TallimoPalette.h"
#include "art/Paint.h"
#include "art/Path.h"

namespace tallimo_art {

using art::Canvas;
using art::Paint;
using art::Path;

namespace {

constexpr float kTau = 2 * std::numbers::pi_v<float>;

struct Frame {
    float cx, cy, r, angle;
    art::PointF At(float u, float v) const {
        const float c = std::cos(angle), s = std::sin(angle);
        return {cx + (u * c - v * s) * r, cy + (u * s + v * c) * r};
    }
};

// A curve through ball-local points (unit radius), as a stroked line.
template <class Curve>
void Seam(Canvas& c, const Frame& f, float width, uint32_t colour, Curve curve, int steps = 24) {
    Path path;
    for (int i = 0; i <= steps; ++i) {
        const auto [u, v] = curve(static_cast<float>(i) / static_cast<float>(steps));
        const art::PointF p = f.At(u, v);
        if (i == 0) {
            path.MoveTo(p.x, p.y);
        } else {
            path.LineTo(p.x, p.y);
        }
    }
    c.Outline(path, width, colour);
}

Path Sector(const Frame& f, float from, float to) {
    std::vector<art::PointF> points{{f.cx, f.cy}};
    for (int i = 0; i <= 12; ++i) {
        const float a = from + (to - from) * static_cast<float>(i) / 12;
        points.push_back(f.At(1.3f * std::cos(a), 1.3f * std::sin(a)));
    }
    return Path::Polygon(points);
}

// Everything drawn outside the ball's round (or oval) edge goes back to the key.
void ClipOutside(Canvas& c, float cx, float cy, float rx, float ry) {
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            const float dx = (static_cast<float>(x) + 0.5f - cx) / rx, dy = (static_cast<float>(y) + 0.5f - cy) / ry;
            if (dx * dx + dy * dy > 1.0f) c.Erase(Path::Rect(static_cast<float>(x), static_cast<float>(y), 1, 1));
        }
    }
}

Paint Shaded(float cx, float cy, float r, uint32_t light, uint32_t body, uint32_t dark) {
    return Paint::Radial(cx - r * 0.35f, cy - r * 0.35f, r * 1.5f, {{0, light}, {0.45f, body}, {1, dark}});
}

void Highlight(Canvas& c, float cx, float cy, float r) {
    c.Fill(Path::Ellipse(cx - r * 0.4f, cy - r * 0.45f, r * 0.22f, r * 0.14f), kWhite);
}

void Basketball(Canvas& c, const Frame& f) {
    c.Fill(Path::Ellipse(f.cx, f.cy, f.r, f.r), Shaded(f.cx, f.cy, f.r, 0xFFB060, kBasket, kBasketDark));
    const uint32_t seam = 0x3A1A06;
    Seam(c, f, 1.3f, seam, [](float t) { return art::PointF{0, 2 * t - 1.2f}; });
    Seam(c, f, 1.3f, seam, [](float t) { return art::PointF{2 * t - 1.2f, 0}; });
    for (const float side : {-1.0f, 1.0f}) {
        Seam(c, f, 1.3f, seam, [side](float t) {
            const float v = 2.2f * t - 1.1f;
            return art::PointF{side * (0.85f - 0.35f * (1 - v * v)), v};
        });
    }
}

// The two bands of a tennis ball or a baseball: arcs of circles just off the ball's sides.
void SideArcs(Canvas& c, const Frame& f, float width, uint32_t colour, bool stitches) {
    for (const float side : {-1.0f, 1.0f}) {
        const auto arc = [side](float t) {
            const float a = (t - 0.5f) * 1.9f;
            return art::PointF{side * (1.25f - 0.85f * std::cos(a)), 0.85f * std::sin(a)};
        };
        Seam(c, f, width, colour, arc);
        if (!stitches) continue;
        for (int i = 1; i < 8; ++i) {
            const art::PointF p = arc(static_cast<float>(i) / 8);
            Seam(c, f, 0.9f, colour, [p, side](float t) { return art::PointF{p.x + side * (t - 0.5f) * 0.3f, p.y}; }, 2);
        }
    }
}

void TennisBall(Canvas& c, const Frame& f) {
    c.Fill(Path::Ellipse(f.cx, f.cy, f.r, f.r), Shaded(f.cx, f.cy, f.r, 0xF0FF90, kTennis, kTennisDark));
    SideArcs(c, f, 1.6f, kWhite, false);
}

void Baseball(Canvas& c, const Frame& f) {
    c.Fill(Path::Ellipse(f.cx, f.cy, f.r, f.r), Shaded(f.cx, f.cy, f.r, kWhite, kHide, kHideDark));
    SideArcs(c, f, 0.9f, kStitch, true);
}

void SoccerBall(Canvas& c, const Frame& f) {
    c.Fill(Path::Ellipse(f.cx, f.cy, f.r, f.r), Shaded(f.cx, f.cy, f.r, kWhite, 0xEDEDED, 0xA8A8B0));
    const auto pentagon = [&](float u, float v, float size, float spin) {
        std::vector<art::PointF> points;
        for (int i = 0; i < 5; ++i) {
            const float a = spin + kTau * static_cast<float>(i) / 5;
            points.push_back(f.At(u + size * std::cos(a), v + size * std::sin(a)));
        }
        c.Fill(Path::Polygon(points), 0x202024);
    };
    pentagon(0, 0, 0.36f, -kTau / 4);
    for (int i = 0; i < 5; ++i) {
        const float a = kTau * static_cast<float>(i) / 5 + kTau / 4;
        pentagon(1.02f * std::cos(a), 1.02f * std::sin(a), 0.3f, a);
        Seam(c, f, 0.8f, 0x505058, [a](float t) {
            const float d = 0.34f + 0.4f * t;
            return art::PointF{d * std::cos(a), d * std::sin(a)};
        }, 2);
    }
}

void Volleyball(Canvas& c, const Frame& f) {
    const uint32_t colours[3] = {kWhite, kVolleyBlue, kVolleyYellow};
    for (int i = 0; i < 3; ++i) {
        const float from = kTau * static_cast<float>(i) / 3;
        c.Fill(Sector(f, from, from + kTau / 3), colours[i]);
    }
    for (int i = 0; i < 3; ++i) {
        const float a = kTau * static_cast<float>(i) / 3;
        Seam(c, f, 1.1f, 0x1C3470, [a](float t) {
            const float d = 1.1f * t, bend = 0.5f * std::sin(t * 3.1f) * 0.45f;
            return art::PointF{d * std::cos(a) - bend * std::sin(a), d * std::sin(a) + bend * std::cos(a)};
        });
    }
}

void BeachBall(Canvas& c, const Frame& f) {
    const uint32_t colours[6] = {kBeachRed, kWhite, kBeachBlue, kWhite, kBeachYellow, kWhite};
    for (int i = 0; i < 6; ++i) {
        const float from = kTau * static_cast<float>(i) / 6;
        c.Fill(Sector(f, from, from + kTau / 6), colours[i]);
    }
    c.Fill(Path::Ellipse(f.cx, f.cy, f.r * 0.18f, f.r * 0.18f), kWhite);
}

void Football(Canvas& c, const Frame& f) {
    std::vector<art::PointF> oval;
    for (int i = 0; i < 32; ++i) {
        const float a = kTau * static_cast<float>(i) / 32;
        oval.push_back(f.At(std::cos(a), 0.6f * std::sin(a)));
    }
    c.Fill(Path::Polygon(oval), Shaded(f.cx, f.cy, f.r, 0xC07440, kLeather, kLeatherDark));
    c.Outline(Path::Polygon(oval), 1.2f, kLeatherDark);
    Seam(c, f, 1.4f, kWhite, [](float t) { return art::PointF{0.9f * t - 0.45f, 0}; }, 2);
    for (int i = 0; i < 5; ++i) {
        const float u = -0.32f + 0.16f * static_cast<float>(i);
        Seam(c, f, 1.1f, kWhite, [u](float t) { return art::PointF{u, 0.22f * t - 0.11f}; }, 2);
    }
}

struct BallShape {
    float radius;
    void (*draw)(Canvas&, const Frame&);
    uint32_t rim;
    bool round;
};
constexpr BallShape kShapes[kBallKinds] = {
    {14.5f, Basketball, 0x6E3006, true}, {10.5f, TennisBall, 0x5F7010, true}, {10.5f, Baseball, 0x8A8272, true},
    {14.5f, SoccerBall, 0x404048, true}, {15.0f, Football, kLeatherDark, false}, {14.5f, Volleyball, 0x1C3470, true},
    {14.5f, BeachBall, 0x5A1A20, true},
};

}  // namespace

void Ball(Canvas& c, int kind, int x, int y, float turn) {
    const BallShape& shape = kShapes[kind];
    const float cx = 16, cy = 31.5f - shape.radius - 0.5f;
    Canvas cell(32, 32);
    const Frame frame{cx, shape.round ? cy : 16.0f, shape.radius, turn * kTau};
    shape.draw(cell, frame);
    if (shape.round) {
        ClipOutside(cell, cx, cy, shape.radius, shape.radius);
        cell.Outline(Path::Ellipse(cx, cy, shape.radius - 0.6f, shape.radius - 0.6f), 1.2f, shape.rim);
        Highlight(cell, cx, cy, shape.radius);
    }
    c.Draw(cell, x, y);
}

void GreyBall(Canvas& c, int kind, int x, int y) {
    Canvas cell(32, 32);
    Ball(cell, kind, 0, 0, 0);
    for (int py = 0; py < 32; ++py) {
        for (int px = 0; px < 32; ++px) {
            const uint32_t p = cell.At(px, py);
            if (p == art::kKey) continue;
            const float luma = 0.3f * static_cast<float>((p >> 16) & 0xFF) + 0.59f * static_cast<float>((p >> 8) & 0xFF) +
                               0.11f * static_cast<float>(p & 0xFF);
            const auto g = static_cast<uint32_t>(40 + luma * 0.75f);
            cell.Set(px, py, g << 16 | g << 8 | g);
        }
    }
    c.Draw(cell, x, y);
}

void Tyre(Canvas& c, float cx, float cy, float r) {
    c.Fill(Path::Ellipse(cx, cy, r, r), kRubber);
    c.Outline(Path::Ellipse(cx, cy, r * 0.82f, r * 0.82f), std::max(1.0f, r * 0.06f), kRubberLight);
    c.Fill(Path::Ellipse(cx, cy, r * 0.52f, r * 0.52f),
           Paint::Radial(cx - r * 0.2f, cy - r * 0.2f, r * 0.7f, {{0, kSteelLight}, {1, kSteelDark}}));
    c.Fill(Path::Ellipse(cx, cy, r * 0.16f, r * 0.16f), kSteelDark);
    if (r < 8) return;
    for (int i = 0; i < 5; ++i) {
        const float a = kTau * static_cast<float>(i) / 5;
        c.Fill(Path::Ellipse(cx + r * 0.33f * std::cos(a), cy + r * 0.33f * std::sin(a), r * 0.06f, r * 0.06f), kHub);
    }
}

void SmallTruck(Canvas& c, float x, float y, float s) {
    const auto rect = [&](float rx, float ry, float w, float h) { return Path::Rect(x + rx * s, y + ry * s, w * s, h * s); };
    const auto round = [&](float rx, float ry, float w, float h, float rr) {
        return Path::RoundRect(x + rx * s, y + ry * s, w * s, h * s, rr * s);
    };
    // The box behind, the cab in front, the chassis under both.
    c.Fill(round(0, 8, 96, 72, 4), Paint::Linear(0, y + 8 * s, 0, y + 80 * s, {{0, kSteelLight}, {1, kSteel}}));
    c.Outline(round(0, 8, 96, 72, 4), std::max(1.0f, s * 2), kSteelDark);
    c.Fill(rect(6, 30, 84, 6 * std::max(1.0f, 1 / s)), kCab);
    c.Fill(rect(0, 80, 151, 14), kFloor);
    c.Fill(round(100, 24, 48, 62, 8), kCab);
    c.Fill(round(100, 24, 48, 14, 6), kCabLight);
    c.Fill(round(114, 32, 28, 22, 3), kGlass);
    c.Outline(round(100, 24, 48, 62, 8), std::max(1.0f, s * 2), kCabDark);
    Tyre(c, x + 24 * s, y + 96 * s, 15 * s);
    Tyre(c, x + 124 * s, y + 96 * s, 15 * s);
}

}  // namespace tallimo_art
