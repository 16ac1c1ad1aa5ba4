// Slorrow's palette and the shapes its pictures share: the candidates, buttons and titles.
#pragma once

#include <cstdint>
#include <string_view>

#include "art/Canvas.h"

namespace slorrow_art {

inline constexpr uint32_t kSky = 0x99FFFF;  // the field's own sky, which the game clears to
inline constexpr uint32_t kGrass = 0x339900;
inline constexpr uint32_t kGrassLight = 0x66CC33;
inline constexpr uint32_t kMud = 0x663300;
inline constexpr uint32_t kMudLight = 0x996633;
inline constexpr uint32_t kFlagRed = 0xC00000;
inline constexpr uint32_t kFlagBlue = 0x333399;
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kGold = 0xFF9900;
inline constexpr uint32_t kInk = 0x333333;
inline constexpr uint32_t kSkin = 0xF2C29B;

enum class Look { Stand, Dizzy, Win };

// A candidate filling the box: Brambo in blue, Quillet in red; frame moves the loop along.
void DrawCandidate(art::Canvas& canvas, bool brambo, Look look, int frame, float x, float y, float w, float h);
// A rounded button with its caption; the hover frame is lighter.
void DrawButton(art::Canvas& canvas, std::string_view caption, uint32_t colour, bool hover);
// Bold text with a two-tone outline, centred on cx.
void TitleText(art::Canvas& canvas, float cx, int y, std::string_view text, int height, uint32_t fill, uint32_t outline);
void Star(art::Canvas& canvas, float cx, float cy, float radius, uint32_t colour);

}  // namespace slorrow_art
