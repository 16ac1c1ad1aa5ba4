// The game recolours each customer by swapping four exact colours: every picture of a look must
// use all four for its hair and shirt, and no other part of it may use any of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "Apps/Pellawick/CustomerLook.h"
#include "art/ArtRegistry.h"

namespace {

// Below this row only shirt, arms and lap are drawn, whatever the pose.
constexpr int kShirtTop = 44;

TEST(CustomerColours, EachLookUsesItsFourRecolourColoursAndOnlyThem) {
    int checked = 0;
    for (const art::ImageRecipe* recipe : art::ArtRegistry::Instance().Images()) {
        for (int look = 0; look < pellawick::kLookCount; ++look) {
            const std::string prefix = "ani-" + std::string(pellawick::LookName(look)) + "_";
            if (!recipe->name.starts_with(prefix)) continue;
            const auto& from = pellawick::RecolourFrom(look);
            const art::Picture picture = recipe->draw();
            for (const art::Canvas& frame : picture.frames) {
                std::set<uint32_t> used(frame.Pixels().begin(), frame.Pixels().end());
                // Hair stays on the head: a stray hair colour on the shirt would take the hair's
                // new colour when the game recolours.
                for (int y = kShirtTop; y < frame.Height(); ++y)
                    for (int x = 0; x < frame.Width(); ++x) {
                        const uint32_t colour = frame.At(x, y);
                        if (colour == from[0] || colour == from[1]) {
                            ADD_FAILURE() << recipe->name << " has hair at " << x << "," << y;
                            y = frame.Height();
                            break;
                        }
                    }
                for (const uint32_t colour : from) EXPECT_TRUE(used.count(colour)) << recipe->name << " lacks " << std::hex << colour;
                // Any other look's colours would be left alone by this look's swap.
                for (int other = 0; other < pellawick::kLookCount; ++other) {
                    if (other == look) continue;
                    for (const uint32_t colour : pellawick::RecolourFrom(other)) {
                        const bool ours = std::find(from.begin(), from.end(), colour) != from.end();
                        if (!ours) {
                            EXPECT_FALSE(used.count(colour)) << recipe->name << " uses " << std::hex << colour;
                        }
                    }
                }
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 20);
}

}  // namespace
