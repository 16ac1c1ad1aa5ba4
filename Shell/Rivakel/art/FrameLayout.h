// Where the shell window puts things in each skin, and the frame's own panels around them.
#pragma once

#include <array>

#include "PortalLook.h"

namespace frame {

// The column of in-game menu buttons: the shell fills (x - 14, y + 3)-(x + 65, y + 405).
constexpr portal::Box MenuFill(float x, float y) { return {x - 14, y + 3, 79, 402}; }

constexpr float kMenuPitch = 67;     // between the tops of two menu buttons
constexpr float kNavCellWidth = 85;  // a composed navigation button
constexpr float kNavCellHeight = 32;

namespace big {
constexpr int kWidth = 800, kHeight = 572;
constexpr portal::Box kGameArea{189, 129, 500, 420};
constexpr float kMenuX = 122, kMenuY = 137;
constexpr portal::Box kMenuFill = MenuFill(kMenuX, kMenuY);
constexpr float kNavCellY = 8;
constexpr std::array<float, 5> kNavCellX{165, 260, 355, 450, 600};
constexpr portal::Box kBanner{165, 58, 470, 62};
constexpr portal::Box kCatalogue{655, 53, 122, 62};
constexpr portal::Box kLogo{24, 20, 117, 84};
constexpr std::array<float, 2> kSysButtonX{762, 780};
constexpr float kSysButtonY = 5;

// The frame's panels.
constexpr portal::Box kLogoNook{6, 6, 138, 121};
constexpr portal::Box kHeader{146, 2, 650, 123};
constexpr portal::Box kNavBand{152, 5, 546, 38};
constexpr portal::Box kConsole{98, 128, 604, 436};
constexpr portal::Box kSysPlate{754, -12, 60, 36};  // runs off the top right corner
}  // namespace big

namespace small {
constexpr int kWidth = 640, kHeight = 452;
constexpr int kPictureHeight = 482;  // the picture runs on below the window
constexpr portal::Box kGameArea{130, 24, 500, 420};
constexpr float kMenuX = 62, kMenuY = 35;
constexpr portal::Box kMenuFill = MenuFill(kMenuX, kMenuY);
constexpr float kNavIconX = 9;
constexpr std::array<float, 5> kNavIconY{40, 95, 150, 205, 315};
constexpr portal::Box kLogo{4, 4, 39, 29};
constexpr std::array<float, 2> kSysButtonX{604, 622};
constexpr float kSysButtonY = 3;

constexpr int kTitleBarHeight = 21;
constexpr portal::Box kNavColumn{1, 22, 46, 429};
constexpr float kNavDividerY = 280;
}  // namespace small

}  // namespace frame
