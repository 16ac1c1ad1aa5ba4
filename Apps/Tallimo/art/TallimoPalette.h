// The colours of Tallimo's pictures: a sports shop's delivery yard under a teal sky, a red truck
// with steel racks, a black rubber belt, and the seven balls in their own colours.
#pragma once

#include <cstdint>

namespace tallimo_art {

inline constexpr uint32_t kYard = 0x99CCCC;  // the screens' ground: the game clears to it
inline constexpr uint32_t kInk = 0x1E1E28;
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kFloor = 0x333333;  // the truck's floor band, as the game draws it

inline constexpr uint32_t kCab = 0xD8342A;
inline constexpr uint32_t kCabLight = 0xF2624F;
inline constexpr uint32_t kCabDark = 0x8E1C16;
inline constexpr uint32_t kGlass = 0x8FD3F0;
inline constexpr uint32_t kGlassLight = 0xD6F2FF;
inline constexpr uint32_t kSteel = 0x9AA4AE;
inline constexpr uint32_t kSteelLight = 0xD3DAE0;
inline constexpr uint32_t kSteelDark = 0x56606A;
inline constexpr uint32_t kRubber = 0x2A2A2E;
inline constexpr uint32_t kRubberLight = 0x4C4C54;
inline constexpr uint32_t kHub = 0xC8CED4;
inline constexpr uint32_t kAmber = 0xFFC21A;
inline constexpr uint32_t kIndigo = 0x333399;
inline constexpr uint32_t kIndigoDark = 0x1F1F66;
inline constexpr uint32_t kOrange = 0xFF9900;
inline constexpr uint32_t kLeaf = 0x339900;

// The balls: basketball, tennis ball, baseball, soccer ball, football, volleyball, beach ball.
inline constexpr uint32_t kBasket = 0xEE7A1E;
inline constexpr uint32_t kBasketDark = 0xA84C0C;
inline constexpr uint32_t kTennis = 0xCFE83A;
inline constexpr uint32_t kTennisDark = 0x8FA61C;
inline constexpr uint32_t kHide = 0xF6F1E6;
inline constexpr uint32_t kHideDark = 0xB9B2A2;
inline constexpr uint32_t kStitch = 0xD0202A;
inline constexpr uint32_t kLeather = 0x8A4A22;
inline constexpr uint32_t kLeatherDark = 0x54290F;
inline constexpr uint32_t kVolleyBlue = 0x2E66D0;
inline constexpr uint32_t kVolleyYellow = 0xFFD23A;
inline constexpr uint32_t kBeachRed = 0xE8323C;
inline constexpr uint32_t kBeachBlue = 0x2F8BE6;
inline constexpr uint32_t kBeachYellow = 0xFFD93A;

inline constexpr uint32_t kCrossRed = 0xCC1414;
inline constexpr uint32_t kCrossDark = 0x7A0808;

}  // namespace tallimo_art
