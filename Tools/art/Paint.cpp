#include "art/Paint.h"

#include <algorithm>
#include <cmath>

namespace art {

uint32_t Mix(uint32_t a, uint32_t b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const float ca = static_cast<float>((a >> shift) & 0xFF);
        const float cb = static_cast<float>((b >> shift) & 0xFF);
        out |= static_cast<uint32_t>(std::lround(ca + (cb - ca) * t)) << shift;
    }
    return out;
}

uint32_t Shade(uint32_t colour, float amount) {
    return amount >= 0 ? Mix(colour, 0xFFFFFF, amount) : Mix(colour, 0x000000, -amount);
}

Paint Paint::Solid(uint32_t colour) {
    Paint p;
    p.colour_ = colour & 0xFFFFFF;
    return p;
}

Paint Paint::Linear(float x0, float y0, float x1, float y1, std::vector<ColourStop> stops) {
    Paint p;
    p.kind_ = Kind::Linear;
    p.x0_ = x0, p.y0_ = y0, p.x1_ = x1, p.y1_ = y1;
    p.stops_ = std::move(stops);
    return p;
}

Paint Paint::Radial(float cx, float cy, float r, std::vector<ColourStop> stops) {
    Paint p;
    p.kind_ = Kind::Radial;
    p.x0_ = cx, p.y0_ = cy, p.r_ = std::max(r, 0.001f);
    p.stops_ = std::move(stops);
    return p;
}

uint32_t Paint::Sample(float t) const {
    if (stops_.empty()) return colour_;
    if (t <= stops_.front().at) return stops_.front().colour;
    for (size_t i = 1; i < stops_.size(); ++i) {
        if (t <= stops_[i].at) {
            const float span = stops_[i].at - stops_[i - 1].at;
            return Mix(stops_[i - 1].colour, stops_[i].colour, span > 0 ? (t - stops_[i - 1].at) / span : 1.0f);
        }
    }
    return stops_.back().colour;
}

uint32_t Paint::At(float x, float y) const {
    switch (kind_) {
        case Kind::Solid:
            return colour_;
        case Kind::Linear: {
            const float dx = x1_ - x0_, dy = y1_ - y0_;
            const float length2 = dx * dx + dy * dy;
            return Sample(length2 > 0 ? ((x - x0_) * dx + (y - y0_) * dy) / length2 : 0.0f);
        }
        case Kind::Radial:
            return Sample(std::hypot(x - x0_, y - y0_) / r_);
    }
    return colour_;
}

int ColourDistance(uint32_t a, uint32_t b) {
    const int dr = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
    const int dg = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
    const int db = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

}  // namespace art
