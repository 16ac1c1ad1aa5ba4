// The game swaps exact colours when it loads some pictures: an enemy's torpedo, the submarine
// short of oxygen, the damaged pirate. Those pictures must hold the colours, and only the
// torpedo may use its reds, so nothing else turns white or green by chance.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Apps/Aurelsk/SeaColours.h"
#include "art/ArtRegistry.h"

namespace {

std::set<uint32_t> Colours(const art::Picture& picture) {
    std::set<uint32_t> used;
    for (const art::Canvas& frame : picture.frames) used.insert(frame.Pixels().begin(), frame.Pixels().end());
    return used;
}

template <size_t N>
void ExpectAll(const std::set<uint32_t>& used, const std::array<aurelsk::ColourSwap, N>& swaps, const std::string& name) {
    for (const aurelsk::ColourSwap& swap : swaps) EXPECT_TRUE(used.count(swap.from)) << name << " lacks " << std::hex << swap.from;
}

TEST(SwapColours, EachSwappedPictureHoldsItsColoursAndOnlyTorpedoesAreRed) {
    int torpedoes = 0;
    for (const art::ImageRecipe* recipe : art::ArtRegistry::Instance().Images()) {
        const std::set<uint32_t> used = Colours(recipe->draw());
        const std::string& name = recipe->name;
        if (name.starts_with("p-img-Torpedo")) {
            ++torpedoes;
            ExpectAll(used, aurelsk::kEnemyTorpedoSwaps, name);
        } else {
            EXPECT_FALSE(used.count(aurelsk::kTorpedoRed) || used.count(aurelsk::kTorpedoShade)) << name;
        }
        if (name.starts_with("p-img-Alpha") && name.find("Explosion") == std::string::npos) ExpectAll(used, aurelsk::kWarningSwaps, name);
        if (name.starts_with("p-img-DamagedSub") || name.starts_with("p-img-PirateSub"))
            ExpectAll(used, aurelsk::kDamagedSwaps, name);
    }
    EXPECT_EQ(torpedoes, 2);
}

}  // namespace
