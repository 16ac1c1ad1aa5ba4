#include "art/Path.h"

#include <algorithm>
#include <charconv>
#include <cctype>
#include <cmath>
#include <numbers>

namespace art {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

int CurveSteps(float length) { return std::clamp(static_cast<int>(length / 2.0f), 4, 64); }

// Non-zero filling adds figures only when they all turn the same way.
std::vector<PointF> Oriented(std::vector<PointF> figure) {
    float area = 0;
    for (size_t i = 0; i < figure.size(); ++i) {
        const PointF a = figure[i], b = figure[(i + 1) % figure.size()];
        area += a.x * b.y - b.x * a.y;
    }
    if (area < 0) std::reverse(figure.begin(), figure.end());
    return figure;
}

}  // namespace

PointF Path::Current() const {
    if (figures_.empty() || figures_.back().empty()) return {};
    return figures_.back().back();
}

void Path::MoveTo(float x, float y) {
    figures_.push_back({{x, y}});
    closed_.push_back(false);
}

void Path::LineTo(float x, float y) {
    if (figures_.empty()) MoveTo(0, 0);
    figures_.back().push_back({x, y});
}

void Path::CubicTo(float x1, float y1, float x2, float y2, float x, float y) {
    const PointF p0 = Current();
    const float length = std::hypot(x1 - p0.x, y1 - p0.y) + std::hypot(x2 - x1, y2 - y1) + std::hypot(x - x2, y - y2);
    const int steps = CurveSteps(length);
    for (int i = 1; i <= steps; ++i) {
        const float t = static_cast<float>(i) / steps, u = 1 - t;
        LineTo(u * u * u * p0.x + 3 * u * u * t * x1 + 3 * u * t * t * x2 + t * t * t * x,
               u * u * u * p0.y + 3 * u * u * t * y1 + 3 * u * t * t * y2 + t * t * t * y);
    }
}

void Path::QuadTo(float x1, float y1, float x, float y) {
    const PointF p0 = Current();
    const int steps = CurveSteps(std::hypot(x1 - p0.x, y1 - p0.y) + std::hypot(x - x1, y - y1));
    for (int i = 1; i <= steps; ++i) {
        const float t = static_cast<float>(i) / steps, u = 1 - t;
        LineTo(u * u * p0.x + 2 * u * t * x1 + t * t * x, u * u * p0.y + 2 * u * t * y1 + t * t * y);
    }
}

void Path::ArcTo(float rx, float ry, float rotationDegrees, bool largeArc, bool sweep, float x, float y) {
    const PointF p0 = Current();
    rx = std::fabs(rx), ry = std::fabs(ry);
    if (rx == 0 || ry == 0 || (p0.x == x && p0.y == y)) return LineTo(x, y);
    // Endpoint to centre parameterisation.
    const float phi = rotationDegrees * kPi / 180, c = std::cos(phi), s = std::sin(phi);
    const float hx = (p0.x - x) / 2, hy = (p0.y - y) / 2;
    const float x1 = c * hx + s * hy, y1 = -s * hx + c * hy;
    const float lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
    if (lambda > 1) rx *= std::sqrt(lambda), ry *= std::sqrt(lambda);
    const float num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
    const float den = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    float k = den > 0 ? std::sqrt(std::max(0.0f, num / den)) : 0;
    if (largeArc == sweep) k = -k;
    const float cx1 = k * rx * y1 / ry, cy1 = -k * ry * x1 / rx;
    const float cx = c * cx1 - s * cy1 + (p0.x + x) / 2, cy = s * cx1 + c * cy1 + (p0.y + y) / 2;
    const float start = std::atan2((y1 - cy1) / ry, (x1 - cx1) / rx);
    float delta = std::atan2((-y1 - cy1) / ry, (-x1 - cx1) / rx) - start;
    if (sweep && delta < 0) delta += 2 * kPi;
    if (!sweep && delta > 0) delta -= 2 * kPi;
    const int steps = CurveSteps(std::fabs(delta) * std::max(rx, ry));
    for (int i = 1; i <= steps; ++i) {
        const float a = start + delta * static_cast<float>(i) / steps;
        const float ex = rx * std::cos(a), ey = ry * std::sin(a);
        LineTo(c * ex - s * ey + cx, s * ex + c * ey + cy);
    }
}

void Path::Close() {
    if (!closed_.empty()) closed_.back() = true;
}

Path Path::Rect(float x, float y, float w, float h) {
    return Polygon({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}});
}

Path Path::RoundRect(float x, float y, float w, float h, float radius) {
    radius = std::clamp(radius, 0.0f, std::min(w, h) / 2);
    if (radius <= 0) return Rect(x, y, w, h);
    Path p;
    p.MoveTo(x + radius, y);
    p.LineTo(x + w - radius, y);
    p.ArcTo(radius, radius, 0, false, true, x + w, y + radius);
    p.LineTo(x + w, y + h - radius);
    p.ArcTo(radius, radius, 0, false, true, x + w - radius, y + h);
    p.LineTo(x + radius, y + h);
    p.ArcTo(radius, radius, 0, false, true, x, y + h - radius);
    p.LineTo(x, y + radius);
    p.ArcTo(radius, radius, 0, false, true, x + radius, y);
    p.Close();
    return p;
}

Path Path::Ellipse(float cx, float cy, float rx, float ry) {
    Path p;
    const int steps = std::clamp(static_cast<int>((rx + ry) * 2), 16, 256);
    for (int i = 0; i < steps; ++i) {
        const float a = 2 * kPi * static_cast<float>(i) / steps;
        if (i == 0)
            p.MoveTo(cx + rx, cy);
        else
            p.LineTo(cx + rx * std::cos(a), cy + ry * std::sin(a));
    }
    p.Close();
    return p;
}

Path Path::Polygon(const std::vector<PointF>& points) {
    Path p;
    for (size_t i = 0; i < points.size(); ++i) {
        if (i == 0)
            p.MoveTo(points[i].x, points[i].y);
        else
            p.LineTo(points[i].x, points[i].y);
    }
    p.Close();
    return p;
}

namespace {

class SvgReader {
public:
    explicit SvgReader(std::string_view text) : text_(text) {}

    void SkipSeparators() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == ',' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }
    bool AtEnd() {
        SkipSeparators();
        return at_ >= text_.size();
    }
    bool AtCommand() {
        SkipSeparators();
        return at_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[at_]));
    }
    char Command() { return text_[at_++]; }
    std::optional<float> Number() {
        SkipSeparators();
        float value = 0;
        const auto [ptr, ec] = std::from_chars(text_.data() + at_, text_.data() + text_.size(), value);
        if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
        at_ = static_cast<size_t>(ptr - text_.data());
        return value;
    }
    // Arc flags may be written without separators ("a1 1 0 01 5 5").
    std::optional<bool> Flag() {
        SkipSeparators();
        if (at_ >= text_.size() || (text_[at_] != '0' && text_[at_] != '1')) return std::nullopt;
        return text_[at_++] == '1';
    }

private:
    std::string_view text_;
    size_t at_ = 0;
};

}  // namespace

std::optional<Path> Path::FromSvg(std::string_view data, std::string* error) {
    Path path;
    SvgReader in(data);
    char command = 0;
    PointF current, start, lastControl;
    char lastCommand = 0;
    const auto fail = [&](const char* why) -> std::optional<Path> {
        if (error != nullptr) *error = why;
        return std::nullopt;
    };
    while (!in.AtEnd()) {
        if (in.AtCommand()) {
            command = in.Command();
        } else if (command == 0 || command == 'Z' || command == 'z') {
            return fail("number without a command");
        }
        const bool relative = std::islower(static_cast<unsigned char>(command)) != 0;
        const float ox = relative ? current.x : 0, oy = relative ? current.y : 0;
        float v[7];
        const auto read = [&](int count) {
            for (int i = 0; i < count; ++i) {
                const auto n = in.Number();
                if (!n) return false;
                v[i] = *n;
            }
            return true;
        };
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(command)));
        switch (upper) {
            case 'M':
                if (!read(2)) return fail("bad M");
                current = {ox + v[0], oy + v[1]};
                start = current;
                path.MoveTo(current.x, current.y);
                command = relative ? 'l' : 'L';  // further pairs are lines
                break;
            case 'L':
                if (!read(2)) return fail("bad L");
                current = {ox + v[0], oy + v[1]};
                path.LineTo(current.x, current.y);
                break;
            case 'H':
                if (!read(1)) return fail("bad H");
                current.x = ox + v[0];
                path.LineTo(current.x, current.y);
                break;
            case 'V':
                if (!read(1)) return fail("bad V");
                current.y = oy + v[0];
                path.LineTo(current.x, current.y);
                break;
            case 'C':
            case 'S': {
                PointF c1;
                if (upper == 'C') {
                    if (!read(6)) return fail("bad C");
                    c1 = {ox + v[0], oy + v[1]};
                } else {
                    if (!read(4)) return fail("bad S");
                    const bool follows = lastCommand == 'C' || lastCommand == 'S';
                    c1 = follows ? PointF{2 * current.x - lastControl.x, 2 * current.y - lastControl.y} : current;
                    v[4] = v[2], v[5] = v[3], v[2] = v[0], v[3] = v[1];
                }
                const PointF c2{ox + v[2], oy + v[3]};
                path.CubicTo(c1.x, c1.y, c2.x, c2.y, ox + v[4], oy + v[5]);
                lastControl = c2;
                current = {ox + v[4], oy + v[5]};
                break;
            }
            case 'Q':
            case 'T': {
                PointF c1;
                if (upper == 'Q') {
                    if (!read(4)) return fail("bad Q");
                    c1 = {ox + v[0], oy + v[1]};
                    v[0] = v[2], v[1] = v[3];
                } else {
                    if (!read(2)) return fail("bad T");
                    const bool follows = lastCommand == 'Q' || lastCommand == 'T';
                    c1 = follows ? PointF{2 * current.x - lastControl.x, 2 * current.y - lastControl.y} : current;
                }
                path.QuadTo(c1.x, c1.y, ox + v[0], oy + v[1]);
                lastControl = c1;
                current = {ox + v[0], oy + v[1]};
                break;
            }
            case 'A': {
                if (!read(3)) return fail("bad A");
                const float rx = v[0], ry = v[1], rotation = v[2];
                const auto large = in.Flag();
                const auto sweep = in.Flag();
                if (!large || !sweep) return fail("bad A flags");
                if (!read(2)) return fail("bad A");
                current = {ox + v[0], oy + v[1]};
                path.ArcTo(rx, ry, rotation, *large, *sweep, current.x, current.y);
                break;
            }
            case 'Z':
                path.Close();
                current = start;
                break;
            default:
                return fail("unknown command");
        }
        lastCommand = upper;
    }
    return path;
}

Path Path::Stroke(float width) const {
    Path out;
    const float half = width / 2;
    for (size_t f = 0; f < figures_.size(); ++f) {
        const auto& points = figures_[f];
        const size_t count = points.size();
        const size_t segments = closed_[f] ? count : count - 1;
        for (size_t i = 0; i < segments && count > 1; ++i) {
            const PointF a = points[i], b = points[(i + 1) % count];
            const float dx = b.x - a.x, dy = b.y - a.y, length = std::hypot(dx, dy);
            if (length == 0) continue;
            const float nx = -dy / length * half, ny = dx / length * half;
            const Path quad = Polygon({{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}});
            out.figures_.push_back(Oriented(quad.figures_[0]));
            out.closed_.push_back(true);
        }
        if (half >= 0.75f) {
            for (const PointF& p : points) {
                const Path dot = Ellipse(p.x, p.y, half, half);
                out.figures_.push_back(Oriented(dot.figures_[0]));
                out.closed_.push_back(true);
            }
        }
    }
    return out;
}

Path Path::Transformed(float scale, float dx, float dy) const {
    Path out = *this;
    for (auto& figure : out.figures_)
        for (auto& p : figure) p = {p.x * scale + dx, p.y * scale + dy};
    return out;
}

}  // namespace art
