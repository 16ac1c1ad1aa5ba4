// What moves in the sea, each facing right and mirrored for the left.
//
//   p-img-AlphaLeft/Right.gif        48x24 the player's yellow submarine (3 frames, propeller);
//                                    its hull tones are the ones the oxygen warning swaps
//   p-img-PirateSubLeft/Right.gif    64x28 big slate-grey pirate with rust trim (3 frames)
//   p-img-DamagedSubLeft/Right.gif   64x28 the same, torn and smoking (3 frames)
//   p-img-MiniPirateSubLeft/Right    40x20 small pirate with green trim (3 frames)
//   p-img-SharkLeft/Right.gif        64x24 shark, tail beating (4 frames)
//   p-img-TorpedoLeft/Right.gif      20x6, red in exactly the two tones an enemy's swaps
//   p-img-AlphaExplosion.gif         48x48, 10 frames of 90 ms, played once
//   p-img-BigExplosion.gif           64x64, the same, bigger
#include "AurelskPalette.h"
#include "SeaArt.h"
#include "Apps/Aurelsk/SeaSizes.h"

namespace {

using art::Canvas;
using namespace aurelsk_art;
using aurelsk::SpriteSize;

template <typename Draw>
art::Picture Frames(SpriteSize size, int count, int delay, Draw draw) {
    art::Picture p;
    for (int f = 0; f < count; ++f) {
        Canvas c(size.width, size.height);
        draw(c, f);
        p.frames.push_back(std::move(c));
        p.delays.push_back(delay);
    }
    return p;
}

art::Picture Diver() {
    return Frames(aurelsk::kPlayerSize, 3, 8, [](Canvas& c, int f) { DrawDiver(c, 0, 0, f); });
}

art::Picture Pirate(bool big, bool damaged) {
    return Frames(big ? aurelsk::kPirateSize : aurelsk::kMiniPirateSize, 3, 9,
                  [big, damaged](Canvas& c, int f) { DrawPirate(c, big, damaged, f); });
}

art::Picture Shark() {
    return Frames(aurelsk::kSharkSize, 4, 10, [](Canvas& c, int f) { DrawShark(c, f); });
}

// Drawn pixel by pixel so the two reds stay exact.
art::Picture Torpedo() {
    static constexpr const char* rows[] = {
        ".ff.................",
        ".fRRRRRRRRRRRRRsS...",
        "pfRhhhhhhhRRRRRsSSn.",
        "pfCCCCCCCCCCCCCsSSn.",
        ".fCCCCCCCCCCCCCsS...",
        ".ff.................",
    };
    Canvas c(aurelsk::kTorpedoSize.width, aurelsk::kTorpedoSize.height);
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            switch (rows[y][x]) {
            case 'R': c.Set(x, y, kTorpedoRed); break;
            case 'C': c.Set(x, y, kTorpedoShade); break;
            case 'h': c.Set(x, y, 0xFF8C7A); break;
            case 's': c.Set(x, y, kSteel); break;
            case 'S': c.Set(x, y, 0xD5DCE3); break;
            case 'n': c.Set(x, y, kSteelDark); break;
            case 'f': c.Set(x, y, kSteelDark); break;
            case 'p': c.Set(x, y, kGold); break;
            default: break;
            }
        }
    }
    return art::Still(std::move(c));
}

const art::ImageRecipe alphaRight{"p-img-AlphaRight.gif", 48, 24, 3, Diver};
const art::ImageRecipe alphaLeft{"p-img-AlphaLeft.gif", 48, 24, 3, [] { return MirroredPicture(Diver()); }};
const art::ImageRecipe pirateRight{"p-img-PirateSubRight.gif", 64, 28, 3, [] { return Pirate(true, false); }};
const art::ImageRecipe pirateLeft{"p-img-PirateSubLeft.gif", 64, 28, 3,
                                  [] { return MirroredPicture(Pirate(true, false)); }};
const art::ImageRecipe damagedRight{"p-img-DamagedSubRight.gif", 64, 28, 3, [] { return Pirate(true, true); }};
const art::ImageRecipe damagedLeft{"p-img-DamagedSubLeft.gif", 64, 28, 3,
                                   [] { return MirroredPicture(Pirate(true, true)); }};
const art::ImageRecipe miniRight{"p-img-MiniPirateSubRight.gif", 40, 20, 3, [] { return Pirate(false, false); }};
const art::ImageRecipe miniLeft{"p-img-MiniPirateSubLeft.gif", 40, 20, 3,
                                [] { return MirroredPicture(Pirate(false, false)); }};
const art::ImageRecipe sharkRight{"p-img-SharkRight.gif", 64, 24, 4, Shark};
const art::ImageRecipe sharkLeft{"p-img-SharkLeft.gif", 64, 24, 4, [] { return MirroredPicture(Shark()); }};
const art::ImageRecipe torpedoRight{"p-img-TorpedoRight.gif", 20, 6, 1, Torpedo};
const art::ImageRecipe torpedoLeft{"p-img-TorpedoLeft.gif", 20, 6, 1, [] { return MirroredPicture(Torpedo()); }};
const art::ImageRecipe smallBang{"p-img-AlphaExplosion.gif", 48, 48, 10, [] { return Explosion(48, 10); }};
const art::ImageRecipe bigBang{"p-img-BigExplosion.gif", 64, 64, 10, [] { return Explosion(64, 10); }};

}  // namespace
