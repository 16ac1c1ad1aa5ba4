// The colours of Pellawick's pictures: a summer ballpark under a blue sky, green walls and
// turf, blue seats, the seller's orange cap and the scoreboard's green face and amber lights.
#pragma once

#include <cstdint>

namespace pellawick_art {

inline constexpr uint32_t kInk = 0x2A1B12;  // outlines: near black, never the recoloured black
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kCream = 0xFFFFCC;
inline constexpr uint32_t kIndigo = 0x333399;
inline constexpr uint32_t kIndigoDark = 0x1F1F66;
inline constexpr uint32_t kOrange = 0xFF9900;
inline constexpr uint32_t kOrangeDark = 0xB86400;
inline constexpr uint32_t kLeaf = 0x339900;
inline constexpr uint32_t kLeafDark = 0x1E5C00;

inline constexpr uint32_t kSkyTop = 0x3C8BE0;
inline constexpr uint32_t kSkyLow = 0xBFE3FF;
inline constexpr uint32_t kWall = 0x1F6B3A;
inline constexpr uint32_t kWallLight = 0x2F8F50;
inline constexpr uint32_t kWallDark = 0x124226;
inline constexpr uint32_t kConcrete = 0xC9C2B4;
inline constexpr uint32_t kConcreteLight = 0xE4DED2;
inline constexpr uint32_t kConcreteDark = 0x8E8676;
inline constexpr uint32_t kSeat = 0x2D5DB8;
inline constexpr uint32_t kSeatLight = 0x4F82DB;
inline constexpr uint32_t kSeatDark = 0x1B3A78;
inline constexpr uint32_t kSteel = 0x7D8A96;
inline constexpr uint32_t kSteelDark = 0x4A5560;

inline constexpr uint32_t kBoardGreen = 0x00CC66;  // the scoreboard's face: the game fills with it
inline constexpr uint32_t kBoardBlack = 0x000000;
inline constexpr uint32_t kAmber = 0xFFC21A;
inline constexpr uint32_t kAmberDim = 0x6B4A00;

inline constexpr uint32_t kSkin = 0xF2C08F;
inline constexpr uint32_t kSkinShade = 0xC98F5E;
inline constexpr uint32_t kSkinDeep = 0x9A6440;
inline constexpr uint32_t kSkinDeepShade = 0x6E4429;
inline constexpr uint32_t kMouth = 0xB3313A;

inline constexpr uint32_t kPopcorn = 0xFFF3B8;
inline constexpr uint32_t kPopcornShade = 0xE8C35A;
inline constexpr uint32_t kStripeRed = 0xE03A2E;
inline constexpr uint32_t kCola = 0x6B2E12;
inline constexpr uint32_t kBun = 0xE0A050;
inline constexpr uint32_t kSausage = 0xB8452A;
inline constexpr uint32_t kMustard = 0xFFD21F;
inline constexpr uint32_t kMoney = 0x5DBB63;
inline constexpr uint32_t kMoneyDark = 0x2E7A35;

}  // namespace pellawick_art
