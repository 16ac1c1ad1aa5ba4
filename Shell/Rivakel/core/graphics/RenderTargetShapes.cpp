// Ellipses and polygons of the render target, filled row by row at pixel centres.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/graphics/RenderTarget.h"

namespace {

struct Span {
    int64_t x0 = 0, x1 = 0;  // half-open; empty when x0 >= x1
};

// Columns of row y whose pixel centres lie in the ellipse inscribed in [l, r) x [t, b).
Span EllipseRow(int64_t l, int64_t t, int64_t r, int64_t b, int64_t y) {
    const double a = (static_cast<double>(r) - static_cast<double>(l)) / 2.0;
    const double bb = (static_cast<double>(b) - static_cast<double>(t)) / 2.0;
    const double cx = static_cast<double>(l) + a, cy = static_cast<double>(t) + bb;
    const double dy = (static_cast<double>(y) + 0.5 - cy) / bb;
    if (y < t || y >= b || dy * dy > 1.0) return {};
    const double half = a * std::sqrt(1.0 - dy * dy);
    Span span;
    span.x0 = std::max<int64_t>(l, static_cast<int64_t>(std::ceil(cx - half - 0.5)));
    span.x1 = std::min<int64_t>(r, static_cast<int64_t>(std::floor(cx + half - 0.5)) + 1);
    return span;
}

}  // namespace

int CRenderTarget::DrawEllipse(int l, int t, int r, int b) {
    if (r <= l || b <= t || pixels_.empty()) return 0;
    const int top = std::max(t, 0), bottom = std::min(b, height_);
    const int w = penWidth_;
    for (int y = top; y < bottom; ++y) {
        const Span row = EllipseRow(l, t, r, b, y);
        if (row.x0 >= row.x1) continue;
        // The inside is what stays covered when the shape shrinks by the pen width.
        Span inside{row.x0 + w, row.x1 - w};
        for (int k = -w; k <= w; ++k) {
            const Span other = EllipseRow(l, t, r, b, int64_t{y} + k);
            inside.x0 = std::max(inside.x0, other.x0);
            inside.x1 = std::min(inside.x1, other.x1);
            if (other.x0 >= other.x1) inside = {};
        }
        FillSpan(y, row.x0, row.x1, pen_.colour);
        if (inside.x0 < inside.x1) FillSpan(y, inside.x0, inside.x1, backgroundBrush_.colour);
    }
    return 0;
}

void CRenderTarget::FillPolygon(std::span<const platform::Point> points, uint32_t colour) {
    if (points.size() < 3 || pixels_.empty()) return;
    int minY = points[0].y, maxY = points[0].y;
    for (const platform::Point& p : points) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const int top = std::max(minY, 0), bottom = std::min(maxY, height_);
    std::vector<double> crossings;
    for (int y = top; y < bottom; ++y) {
        const double yc = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            const platform::Point& p = points[i];
            const platform::Point& q = points[(i + 1) % points.size()];
            if (p.y == q.y) continue;
            const double y0 = std::min(p.y, q.y), y1 = std::max(p.y, q.y);
            if (yc < y0 || yc >= y1) continue;
            const double x = p.x + (yc - p.y) * (static_cast<double>(q.x) - p.x) / (static_cast<double>(q.y) - p.y);
            crossings.push_back(x);
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const double from = std::clamp(std::ceil(crossings[i] - 0.5), -1.0, static_cast<double>(width_));
            const double to = std::clamp(std::ceil(crossings[i + 1] - 0.5), -1.0, static_cast<double>(width_));
            FillSpan(y, static_cast<int64_t>(from), static_cast<int64_t>(to), colour);
        }
    }
}

void CRenderTarget::DrawPolyline(std::span<const platform::Point> points) {
    if (points.size() < 2) return;
    for (size_t i = 0; i < points.size(); ++i) {
        const platform::Point& p = points[i];
        const platform::Point& q = points[(i + 1) % points.size()];
        DrawLine(p.x, p.y, q.x, q.y);
    }
}

int CRenderTarget::DrawPolygonBackground(std::span<const platform::Point> points) {
    FillPolygon(points, backgroundBrush_.colour);
    DrawPolyline(points);
    return 0;
}

int CRenderTarget::DrawPolygon(std::span<const platform::Point> points) {
    FillPolygon(points, currentBrush_.colour);
    DrawPolyline(points);
    return 0;
}
