// Shapes as flattened outlines: polygons of points, one per closed figure.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace art {

struct PointF {
    float x = 0, y = 0;
};

class Path {
public:
    void MoveTo(float x, float y);
    void LineTo(float x, float y);
    void CubicTo(float x1, float y1, float x2, float y2, float x, float y);
    void QuadTo(float x1, float y1, float x, float y);
    // SVG elliptical arc from the current point.
    void ArcTo(float rx, float ry, float rotationDegrees, bool largeArc, bool sweep, float x, float y);
    void Close();

    static Path Rect(float x, float y, float w, float h);
    static Path RoundRect(float x, float y, float w, float h, float radius);
    static Path Ellipse(float cx, float cy, float rx, float ry);
    static Path Polygon(const std::vector<PointF>& points);
    // SVG path data (M L H V C S Q T A Z and their relative forms). nullopt with `error` on bad data.
    static std::optional<Path> FromSvg(std::string_view data, std::string* error = nullptr);

    // The outline of every figure widened to `width`, with round joins and caps; fill it non-zero.
    Path Stroke(float width) const;
    // Moved by (dx, dy) and scaled by s about the origin first.
    Path Transformed(float scale, float dx, float dy) const;

    const std::vector<std::vector<PointF>>& Figures() const { return figures_; }
    // Whether each figure was closed (strokes join the last point to the first only then).
    const std::vector<bool>& Closed() const { return closed_; }

private:
    PointF Current() const;
    std::vector<std::vector<PointF>> figures_;
    std::vector<bool> closed_;
};

}  // namespace art
