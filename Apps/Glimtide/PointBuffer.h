// The pixels of one frame of fireworks: drawn with one SetPixels call at the end of a tick and
// turned back to black with one ClearPixels call at the start of the next.
#pragma once

#include <span>
#include <vector>

#include "Apps/Glimtide/ColourTable.h"
#include "frame/api/IImage.h"

namespace glimtide {

class CPointBuffer {
public:
    static constexpr int kCapacity = 50000;

    explicit CPointBuffer(const CColourTable& colours);

    // Dropped once the buffer is full.
    void PlotPoint(int x, int y, Rgb colour);
    void Clear() { points_.clear(); }
    int Count() const { return static_cast<int>(points_.size()); }
    std::span<const AppletPixelEntry> Points() const { return points_; }

    // Onto the canvas, and off it again.
    void Draw(IImage& canvas) const;
    void Erase(IImage& canvas) const;

private:
    const CColourTable& colours_;
    std::vector<AppletPixelEntry> points_;
};

}  // namespace glimtide
