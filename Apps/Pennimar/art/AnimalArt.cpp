// The animals, each walking both ways and asleep both ways; the kind is the picture's number.
//
//   p-ani-AnimalRight<k>.gif, p-ani-AnimalLeft<k>.gif           4 frames, a looping stride
//   p-img-AnimalRestingRight<k>.gif, p-img-AnimalRestingLeft<k>.gif
//   k: 0 cow 34x24, 1 pig 28x20, 2 goat 28x24, 3 horse 38x28
//   zzz-right.gif, zzz-left.gif   18x18, 4 frames: letters drifting up over a sleeping head
#include <string>

#include "PennimarLook.h"
#include "PennimarPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using namespace pennimar_art;

constexpr int kSizes[4][2] = {{34, 24}, {28, 20}, {28, 24}, {38, 28}};
constexpr int kStride = 4;

art::Picture Walking(int kind, bool right) {
    art::Picture picture;
    for (int f = 0; f < kStride; ++f) {
        Canvas c(kSizes[kind][0], kSizes[kind][1]);
        DrawAnimal(c, kind, static_cast<float>(f) / kStride, false);
        picture.frames.push_back(right ? std::move(c) : Mirror(c));
        picture.delays.push_back(12);
    }
    return picture;
}

art::Picture Resting(int kind, bool right) {
    Canvas c(kSizes[kind][0], kSizes[kind][1]);
    DrawAnimal(c, kind, 0, true);
    return art::Still(right ? std::move(c) : Mirror(c));
}

art::Picture Snore(bool right) {
    art::Picture picture;
    for (int f = 0; f < 4; ++f) {
        Canvas c(18, 18);
        // Three letters, each rising and growing as it leaves the head.
        for (int i = 0; i < 3; ++i) {
            const float t = static_cast<float>(i) / 3 + static_cast<float>(f) / 12;
            const art::TextStyle style{7 + static_cast<int>(t * 6), true};
            const int x = static_cast<int>(2 + t * 9), y = static_cast<int>(11 - t * 11);
            c.OutlinedText(right ? x : 18 - x - 7, y, "z", style, kWhite, 0x2C3E88);
        }
        picture.frames.push_back(std::move(c));
        picture.delays.push_back(25);
    }
    return picture;
}

struct AnimalRecipes {
    explicit AnimalRecipes(int k)
        : right("p-ani-AnimalRight" + std::to_string(k) + ".gif", kSizes[k][0], kSizes[k][1], kStride,
                [k] { return Walking(k, true); }),
          left("p-ani-AnimalLeft" + std::to_string(k) + ".gif", kSizes[k][0], kSizes[k][1], kStride,
               [k] { return Walking(k, false); }),
          restRight("p-img-AnimalRestingRight" + std::to_string(k) + ".gif", kSizes[k][0], kSizes[k][1], 1,
                    [k] { return Resting(k, true); }),
          restLeft("p-img-AnimalRestingLeft" + std::to_string(k) + ".gif", kSizes[k][0], kSizes[k][1], 1,
                   [k] { return Resting(k, false); }) {}
    art::ImageRecipe right, left, restRight, restLeft;
};

const AnimalRecipes cow{0}, pig{1}, goat{2}, horse{3};
const art::ImageRecipe zzzRight{"zzz-right.gif", 18, 18, 4, [] { return Snore(true); }};
const art::ImageRecipe zzzLeft{"zzz-left.gif", 18, 18, 4, [] { return Snore(false); }};

}  // namespace
