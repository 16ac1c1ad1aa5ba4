#include "Apps/Pellawick/CustomerLook.h"

#include <algorithm>

namespace pellawick {
namespace {

constexpr std::array<std::string_view, kLookCount> kLookNames = {"man1", "man2", "woman1", "woman2"};

constexpr std::array<std::array<uint32_t, kRecolourPairs>, kLookCount> kFrom = {{
    {0x6666CC, 0x000000, 0x66CCFF, 0x3399FF},
    {0x0000CC, 0x000099, 0xCCFFFF, 0xCCFFCC},
    {0xFF66FF, 0xFF6699, 0xFF9966, 0xFF00CC},
    {0xCCCCFF, 0x99CCCC, 0xFF9966, 0xFF00CC},
}};

constexpr std::array<std::array<uint32_t, kRecolourPairs>, kSchemeCount> kTo = {{
    {0xFF9966, 0xCC6633, 0xCCFFFF, 0x669999},
    {0x996600, 0x663300, 0xFFCC33, 0xCC9900},
    {0x000000, 0x000000, 0xFF6666, 0x993333},
    {0xFF6633, 0xCC3300, 0xCC99FF, 0x663399},
    {0xFFFF33, 0x999900, 0x6666CC, 0x333366},
}};

constexpr int kLegSix = 6;

}  // namespace

std::string_view LookName(int look) { return kLookNames[static_cast<size_t>(std::clamp(look, 0, kLookCount - 1))]; }

const std::array<uint32_t, kRecolourPairs>& RecolourFrom(int look) {
    return kFrom[static_cast<size_t>(std::clamp(look, 0, kLookCount - 1))];
}

const std::array<uint32_t, kRecolourPairs>& RecolourTo(int scheme) {
    return kTo[static_cast<size_t>(std::clamp(scheme, 0, kSchemeCount - 1))];
}

int PictureOfState(int state) {
    // sitting, cheer, cheer (second), sitting, catch a, catch b, throw, sitting (second copy),
    // catch b, sitting (fourth copy)
    constexpr std::array<int, 10> kPictures = {0, 1, 2, 0, 3, 4, 5, 6, 4, 8};
    return kPictures[static_cast<size_t>(std::clamp(state, 0, 9))];
}

bool LegChooser::Fits(int look, int leg) {
    switch (look) {
        case 0: return leg == 1 || leg == 2 || leg == 7 || leg == 8;
        case 1: return leg >= 0 && leg <= kLegSix;
        default: return (leg >= 0 && leg <= 3) || leg == 5;
    }
}

int LegChooser::Choose(int look, const RandomSource& rand) {
    for (;;) {
        const int leg = rand() % kLegCount;
        if (!Fits(look, leg)) continue;
        if (look == 1 && leg == kLegSix) {
            if (sixTaken_) continue;
            sixTaken_ = true;
        }
        return leg;
    }
}

}  // namespace pellawick
