// A picture of 32-bit 0xRRGGBB pixels that starts as the transparent key colour.
//
// Shapes are filled with 4x4 coverage: inside a picture their edges are smooth, but a pixel that
// is still the key takes a shape's colour only when the shape covers at least half of it, so
// edges against the key stay hard. A blend that would land on the key is moved off it, and
// painting the key on purpose goes through Erase; a solid paint of the key anywhere else is
// counted as a fault, which the art check reports.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "art/Paint.h"
#include "art/Path.h"

namespace platform {
class Font;
}

namespace art {

enum class FillRule { NonZero, EvenOdd };

struct TextStyle {
    int height = 11;  // character height in pixels
    bool bold = false;
    std::string_view face = "Arial";
};

class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    uint32_t At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    void Set(int x, int y, uint32_t colour);  // clipped; the key here is a fault like any other paint
    const std::vector<uint32_t>& Pixels() const { return pixels_; }
    int Faults() const { return faults_; }

    void Clear(uint32_t colour);
    void Fill(const Path& path, const Paint& paint, FillRule rule = FillRule::NonZero);
    void Fill(const Path& path, uint32_t colour, FillRule rule = FillRule::NonZero) {
        Fill(path, Paint::Solid(colour), rule);
    }
    void Outline(const Path& path, float width, uint32_t colour) { Fill(path.Stroke(width), Paint::Solid(colour)); }
    void Line(float x0, float y0, float x1, float y1, float width, uint32_t colour);
    // Makes the covered pixels the key again (holes, cut-outs).
    void Erase(const Path& path);
    // Copies another canvas at (x, y), each pixel `scale` times as wide and high; its key pixels
    // stay out.
    void Draw(const Canvas& other, int x, int y, int scale = 1);

    // Text with its top-left corner at (x, y), drawn without anti-aliasing. Returns its width.
    // The fonts come from the system (Liberation Sans stands for "Arial").
    int Text(int x, int y, std::string_view text, const TextStyle& style, uint32_t colour);
    // Text with a one-pixel ring of `outline` around each letter.
    int OutlinedText(int x, int y, std::string_view text, const TextStyle& style, uint32_t colour, uint32_t outline);
    static int TextWidth(std::string_view text, const TextStyle& style);
    static int TextHeight(const TextStyle& style);

private:
    enum class Mode { Paint, Erase };
    void Rasterise(const Path& path, FillRule rule, const Paint& paint, Mode mode);
    void Put(int x, int y, uint32_t colour, float coverage);

    int width_, height_;
    std::vector<uint32_t> pixels_;
    int faults_ = 0;
};

}  // namespace art
