// Shapes Grumbolt's pictures share: the frog in its poses, the lilypad, reeds and the lettering
// of the name.
#pragma once

#include <cstdint>
#include <string_view>

#include "art/Canvas.h"

namespace grumbolt_art {

// Frog colours in the order the game numbers them: Purple, Red, Blue, Brown, Gray, Green.
inline constexpr int kFrogColours = 6;
inline constexpr const char* kFrogColourNames[kFrogColours] = {"Purple", "Red", "Blue", "Brown", "Gray", "Green"};
uint32_t FrogColour(int colour);

struct FrogPose {
    float blink = 0;    // 0 eyes open, 1 shut
    float puff = 0;     // the throat's bubble, 0 to 1
    float stretch = 0;  // legs thrown out in a leap, 0 to 1
    float sink = 0;     // 0 on the pad, 1 gone under
};

// A frog seen from above, 30 pixels at scale 1, centred on (cx, cy).
void Frog(art::Canvas& c, float cx, float cy, float scale, uint32_t colour, const FrogPose& pose = {});
// A soft dark oval under a leaping frog.
void Shadow(art::Canvas& c, float cx, float cy, float rx, uint32_t ground);
// A lilypad of radius r with its notch toward `notchAngle` (radians).
void Lilypad(art::Canvas& c, float cx, float cy, float r, float notchAngle);
// A clump of reeds and cattails standing on y = base.
void Reeds(art::Canvas& c, float x, float base, float height, uint32_t seed);
// The game's name in lime with a dark green ring, lit from above.
void NameLettering(art::Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style);

}  // namespace grumbolt_art
