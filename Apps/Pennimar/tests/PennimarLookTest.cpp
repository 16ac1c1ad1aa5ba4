// What the fence-laying game shows in the portal: bare earth with no grain to it on the farm and in
// the title's demo, and the farmer and the fox whole where the field's border runs along the game
// area's edges.
#include <gtest/gtest.h>

#include "Apps/Pennimar/tests/PennimarSession.h"
#include "harness/ModulePictures.h"
#include "harness/PortalSession.h"

namespace pennimar::test {
namespace {

constexpr int kVeryHard = 4;  // its farm sends the fox after six seconds

class PennimarLookTest : public PortalSession, public PennimarView {
protected:
    void StartVeryHard() {
        MakeInstalledWithTheGuest();
        StartWithGame(PENNIMAR_GAM);
        ASSERT_TRUE(OnTitle());
        ChooseLevel(kVeryHard);
        ASSERT_TRUE(PanelUp());
    }

    static ModulePicture Sprite(const char* name) {
        const std::optional<ModulePicture> picture = ModulePictures(PENNIMAR_GAM).Picture(name);
        EXPECT_TRUE(picture.has_value()) << name;
        return picture.value_or(ModulePicture{});
    }

    // Whether every pixel the sprite's picture shows is on the screen with its top-left corner
    // somewhere in [left, right] x [top, bottom].
    bool ShownWhole(const ModulePicture& sprite, int left, int right, int top, int bottom) const {
        const GameAreaFrame frame = Presented();
        for (int y0 = top; y0 <= bottom; ++y0) {
            for (int x0 = left; x0 <= right; ++x0) {
                bool whole = sprite.width > 0;
                for (int y = 0; y < sprite.height && whole; ++y)
                    for (int x = 0; x < sprite.width && whole; ++x)
                        if (const uint32_t p = sprite.At(x, y); p != ModulePictures::kKeyColour)
                            whole = x0 + x < 500 && y0 + y < 420 && frame.Pixel(x0 + x, y0 + y) == p;
                if (whole) return true;
            }
        }
        return false;
    }
};

// Ploughed boards would change colour far more often down a column than along a row: the title's
// demo and the day's farm both show the crumbly earth.
TEST_F(PennimarLookTest, TheBareEarthHasNoGrain) {
    struct Ground {
        const char* where;
        int left, top, right, bottom;
    };
    // Clear of the fences, the farmer and the animals: the demo at (16, 270), left of its trail,
    // and the farm left of the day's panel.
    const Ground demo{"the title's demo", 22, 276, 66, 386}, farm{"the day's farm", 10, 62, 140, 400};
    const auto expectNoGrain = [this](const Ground& ground) {
        int alongRows = 0, downColumns = 0;
        for (int y = ground.top; y < ground.bottom; ++y) {
            for (int x = ground.left; x < ground.right; ++x) {
                alongRows += Pixel(x, y) != Pixel(x + 1, y) ? 1 : 0;
                downColumns += Pixel(x, y) != Pixel(x, y + 1) ? 1 : 0;
            }
        }
        ASSERT_GT(alongRows + downColumns, 0) << ground.where;
        EXPECT_LT(downColumns, alongRows * 3 / 2) << ground.where;
        EXPECT_LT(alongRows, downColumns * 3 / 2) << ground.where;
    };
    MakeInstalledWithTheGuest();
    StartWithGame(PENNIMAR_GAM);
    ASSERT_TRUE(OnTitle());
    expectNoGrain(demo);
    ChooseLevel(kVeryHard);
    ASSERT_TRUE(PanelUp());
    expectNoGrain(farm);
}

TEST_F(PennimarLookTest, TheFarmerAndTheFoxShowWholeOnTheBordersAtTheEdges) {
    StartVeryHard();
    // The farmer starts on the bottom border, 4 pixels above the game area's edge.
    EXPECT_TRUE(ShownWhole(Sprite("p-img-player.gif"), 0, 488, 396, 408));
    // The fox runs on along the top border and down the right one, 4 pixels from that edge.
    const ModulePicture fox = Sprite("p-img-enemy.gif");
    Key(kSpace);
    bool seen = false;
    for (int tick = 0; tick < 300 && !seen; ++tick) {
        Wait(50);
        seen = ShownWhole(fox, 476, 488, 100, 380);
    }
    EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace pennimar::test
