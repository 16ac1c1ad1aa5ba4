// How a customer looks: one of four people, a colour scheme for hair and shirt swapped into the
// pictures, and the legs drawn under the seat.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

namespace pellawick {

using RandomSource = std::function<int()>;

inline constexpr int kLookCount = 4;
inline constexpr int kSchemeCount = 5;
inline constexpr int kLegCount = 9;
inline constexpr int kRecolourPairs = 4;

// "man1", "man2", "woman1", "woman2".
std::string_view LookName(int look);

// The colours (0xRRGGBB) of a look's pictures that a scheme replaces, hair then shirt, each as
// a light tone and its shade; and the colours a scheme puts in their place.
const std::array<uint32_t, kRecolourPairs>& RecolourFrom(int look);
const std::array<uint32_t, kRecolourPairs>& RecolourTo(int scheme);

// The nine animations of a customer by state picture, as name formats filled with the look's
// name; a right-hand row shows each mirrored.
inline constexpr int kCustomerPictures = 9;
inline constexpr std::array<std::string_view, kCustomerPictures> kCustomerAnimations = {
    "ani-%s_sitting-42x86.gif", "ani-%s_cheer-42x86.gif", "ani-%s_cheer-42x86.gif",
    "ani-%s_catcha-42x86.gif",  "ani-%s_catchb-42x86.gif", "ani-%s_throw-42x86.gif",
    "ani-%s_sitting-42x86.gif", "ani-%s_sitting-42x86.gif", "ani-%s_sitting-42x86.gif",
};
// The picture (index above) a customer shows in each state 0 to 9.
int PictureOfState(int state);

// The legs a look may wear (0 to 8; the file is "img-leg%d-23x24.gif" with the number + 1).
// Look 1 takes legs 6 only while no other customer of the stadium wears them.
class LegChooser {
public:
    int Choose(int look, const RandomSource& rand);
    static bool Fits(int look, int leg);

private:
    bool sixTaken_ = false;
};

}  // namespace pellawick
