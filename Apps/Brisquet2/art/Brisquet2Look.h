// Shapes Brisquet2's pictures share: bubbles shaded pixel by pixel in a few flat tones (no
// blends, so the greys of the recolour map stay exact), their droplets, and the game's name.
#pragma once

#include <cstdint>
#include <string_view>

#include "art/Canvas.h"

namespace brisquet2_art {

struct BubbleTones {
    uint32_t outline;
    uint32_t shade;
    uint32_t body;
    uint32_t light;
    uint32_t glint;
};

// The four kinds as drawn (the brown and magenta ones in greys the game turns warm).
extern const BubbleTones kBrownBubble;
extern const BubbleTones kGrayBubble;
extern const BubbleTones kGreenBubble;
extern const BubbleTones kMagentaBubble;

// A bubble lit from the top left, squeezed to radii (rx, ry).
void Bubble(art::Canvas& c, float cx, float cy, float rx, float ry, const BubbleTones& tones);
// A round drop with an outline and one light pixel, hard-edged.
void Droplet(art::Canvas& c, float cx, float cy, float radius, const BubbleTones& tones);

// A small deterministic generator, so every picture comes out the same each build.
class Dice {
public:
    explicit Dice(uint32_t seed) : state_(seed) {}
    float Next();  // 0 to 1

private:
    uint32_t state_;
};

// The game's name in gold with a dark ring, lit from above.
void NameLettering(art::Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style);

}  // namespace brisquet2_art
