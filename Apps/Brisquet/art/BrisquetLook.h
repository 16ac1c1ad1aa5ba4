// What Brisquet's pictures share: its colours, the glossy bubble built from stacked flat tones,
// the twinkle that runs over a bubble, and the game's name in candy lettering.
#pragma once

#include <cstdint>
#include <string_view>

#include "art/Canvas.h"

namespace brisquet_art {

struct BubbleInk {
    uint32_t rim;    // the outline
    uint32_t shade;  // the lower right
    uint32_t body;
    uint32_t light;  // the lit upper left
    uint32_t glint;
};

// The six kinds in the game's order: red, blue, yellow, green, black, white.
inline constexpr int kKindCount = 6;
extern const BubbleInk kKinds[kKindCount];
inline constexpr int kBlack = 4;
inline constexpr int kWhite = 5;

// The frame around the board and the panels: indigo with gold beads.
inline constexpr uint32_t kRailRim = 0x20206E;
inline constexpr uint32_t kRailShade = 0x262A80;
inline constexpr uint32_t kRailBody = 0x3B46B8;
inline constexpr uint32_t kRailLight = 0x6C7CE8;
inline constexpr uint32_t kRailGlint = 0xC2CCFF;
inline constexpr uint32_t kGold = 0xFFCC33;
inline constexpr uint32_t kGoldDark = 0x8A5A00;
inline constexpr uint32_t kGoldLight = 0xFFF0A8;
inline constexpr uint32_t kOrange = 0xFF9900;
inline constexpr uint32_t kBrown = 0x663300;
inline constexpr uint32_t kNight = 0x0C0C2E;
inline constexpr uint32_t kNightLight = 0x1C1E5A;

// A bubble of radius r centred at (cx, cy), stretched by `squash` (wider when positive).
void DrawBubble(art::Canvas& c, float cx, float cy, float r, const BubbleInk& ink, float squash = 0);
// A four-pointed sparkle with arms of length `size`.
void DrawSparkle(art::Canvas& c, float cx, float cy, float size, uint32_t colour);
// The name in bold letters with a dark and a light ring, filled from gold at the top to orange.
void DrawLettering(art::Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style);
// A rounded night-blue band with a gold edge, the ground of the titles and the logo.
void DrawBand(art::Canvas& c, float x, float y, float w, float h, float radius);

}  // namespace brisquet_art
