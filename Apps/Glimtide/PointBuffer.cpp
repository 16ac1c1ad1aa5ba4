#include "Apps/Glimtide/PointBuffer.h"

namespace glimtide {

CPointBuffer::CPointBuffer(const CColourTable& colours) : colours_(colours) { points_.reserve(kCapacity); }

void CPointBuffer::PlotPoint(int x, int y, Rgb colour) {
    if (points_.size() >= kCapacity) return;
    points_.push_back({x, y, colours_.Lookup(colour)});
}

void CPointBuffer::Draw(IImage& canvas) const {
    if (!points_.empty()) canvas.SetPixels(points_.data(), Count(), 1);
}

void CPointBuffer::Erase(IImage& canvas) const {
    if (!points_.empty()) canvas.ClearPixels(points_.data(), Count(), 1);
}

}  // namespace glimtide
