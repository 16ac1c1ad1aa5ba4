// The play screen's background, 500 x 420, two opaque frames: frame 0 for the challenge (gold
// trim), frame 1 for the other modes (aqua trim). The well holds the 15 x 10 cells from (10, 12);
// rows 300 to 420 are copied again behind the status strip, whose texts sit at y 372 on their
// plates and buttons at y 395.
#include "Apps/Brisquet2/StatusStrip.h"
#include "Brisquet2Look.h"
#include "Brisquet2Palette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace brisquet2_art;

struct Trim {
    uint32_t main, light, dark, strip, stripEdge, ground, groundLow;
};

constexpr Trim kChallenge{kGold, kGoldLight, kGoldDark, kCream, 0xE0B75A, 0x1B2F72, 0x0E1A45};
constexpr Trim kOther{kAqua, kAquaLight, kAquaDark, 0xE4FAF5, 0x6FC2B6, 0x134A66, 0x0A2638};

// Bubbles rising in the margins and under the strip, faint against the ground.
void RisingBubbles(Canvas& c, const Trim& trim, uint32_t seed) {
    Dice dice(seed);
    for (int i = 0; i < 70; ++i) {
        const float x = dice.Next() * 500, y = dice.Next() * 420, r = 1.5f + dice.Next() * 5;
        c.Outline(Path::Ellipse(x, y, r, r), 1, art::Mix(trim.ground, kFoam, 0.25f));
        c.Fill(Path::Ellipse(x - r * 0.35f, y - r * 0.35f, r * 0.25f, r * 0.25f), art::Mix(trim.ground, kWhite, 0.45f));
    }
}

void Well(Canvas& c, const Trim& trim) {
    // The frame: dark edge, trim, light bevel.
    c.Fill(Path::RoundRect(2, 4, 496, 338, 12), trim.dark);
    c.Fill(Path::RoundRect(3, 5, 494, 335, 11), Paint::Linear(0, 5, 0, 340, {{0, trim.light}, {0.5f, trim.main}, {1, trim.dark}}));
    c.Fill(Path::RoundRect(7, 9, 486, 327, 8), 0x070C22);
    c.Fill(Path::RoundRect(8, 10, 484, 325, 7), kDeep);
    // The cells, a soft checker with a lighter top edge each, as if in shallow cups.
    for (int col = 0; col < 15; ++col) {
        for (int row = 0; row < 10; ++row) {
            const float x = 10.0f + 32.0f * static_cast<float>(col), y = 12.0f + 32.0f * static_cast<float>(row);
            const uint32_t cell = (col + row) % 2 == 0 ? kDeepCell : kDeepCellLight;
            c.Fill(Path::RoundRect(x + 1, y + 1, 30, 30, 6), cell);
            c.Fill(Path::Ellipse(x + 16, y + 17, 11, 10), art::Mix(cell, kDeep, 0.35f));
        }
    }
}

void Strip(Canvas& c, const Trim& trim, bool challenge) {
    c.Fill(Path::RoundRect(6, 345, 488, 72, 12), trim.dark);
    c.Fill(Path::RoundRect(7, 346, 486, 70, 11), trim.stripEdge);
    c.Fill(Path::RoundRect(9, 348, 482, 66, 10), Paint::Linear(0, 348, 0, 414, {{0, kWhite}, {0.35f, trim.strip}, {1, trim.strip}}));
    // The plates behind the three texts of y 372.
    for (const brisquet2::StripPlate& plate : challenge ? brisquet2::kChallengePlates : brisquet2::kOtherPlates) {
        const float left = static_cast<float>(plate.left), width = static_cast<float>(plate.right - plate.left);
        const float top = static_cast<float>(brisquet2::kPlateTop);
        const float height = static_cast<float>(brisquet2::kPlateHeight);
        c.Fill(Path::RoundRect(left, top, width, height, 10), art::Mix(trim.strip, trim.stripEdge, 0.35f));
        c.Fill(Path::RoundRect(left + 1, top + 1, width - 2, height - 2, 9), art::Mix(trim.strip, kWhite, 0.5f));
    }
    // A bubble at each end of the strip, in the mode's colour.
    const BubbleTones tones = challenge ? BubbleTones{trim.dark, 0xC98A1E, kGold, kGoldLight, kWhite}
                                        : BubbleTones{trim.dark, 0x2FA39B, kAqua, kAquaLight, kWhite};
    Canvas bubble(16, 16);
    Bubble(bubble, 8, 8, 7, 7, tones);
    c.Draw(bubble, 4, 354);
    c.Draw(bubble, 480, 354);
}

Canvas Frame(const Trim& trim, bool challenge, uint32_t seed) {
    Canvas c(500, 420);
    c.Fill(Path::Rect(0, 0, 500, 420), Paint::Linear(0, 0, 0, 420, {{0, trim.ground}, {1, trim.groundLow}}));
    RisingBubbles(c, trim, seed);
    Well(c, trim);
    Strip(c, trim, challenge);
    return c;
}

art::Picture Background() {
    art::Picture picture;
    picture.frames.push_back(Frame(kChallenge, true, 3));
    picture.frames.push_back(Frame(kOther, false, 5));
    picture.delays = {100, 100};
    picture.loop = false;
    return picture;
}

const art::ImageRecipe background{"img-background-500x420.gif", 500, 420, 2, Background};

}  // namespace
