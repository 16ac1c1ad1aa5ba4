// What fills a shape: one colour or a linear or radial gradient of colour stops.
#pragma once

#include <cstdint>
#include <vector>

namespace art {

inline constexpr uint32_t kKey = 0xFF00FF;

struct ColourStop {
    float at = 0;  // 0 to 1
    uint32_t colour = 0;
};

class Paint {
public:
    static Paint Solid(uint32_t colour);
    // Along the line from (x0, y0) to (x1, y1); clamped beyond its ends.
    static Paint Linear(float x0, float y0, float x1, float y1, std::vector<ColourStop> stops);
    // Outward from (cx, cy) to radius r.
    static Paint Radial(float cx, float cy, float r, std::vector<ColourStop> stops);

    uint32_t At(float x, float y) const;
    bool IsKey() const { return kind_ == Kind::Solid && colour_ == kKey; }

private:
    enum class Kind { Solid, Linear, Radial };
    uint32_t Sample(float t) const;

    Kind kind_ = Kind::Solid;
    uint32_t colour_ = 0;
    float x0_ = 0, y0_ = 0, x1_ = 0, y1_ = 0, r_ = 1;
    std::vector<ColourStop> stops_;
};

// Mixes a toward b by t (0 to 1), per channel.
uint32_t Mix(uint32_t a, uint32_t b, float t);
// How far apart two colours look: squared channel differences, green weighing most.
int ColourDistance(uint32_t a, uint32_t b);
// A lighter (amount > 0) or darker (amount < 0) shade of a colour.
uint32_t Shade(uint32_t colour, float amount);

}  // namespace art
