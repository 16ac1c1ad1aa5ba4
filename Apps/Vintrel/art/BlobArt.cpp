// The blobs: the player's green ones and the orange others, in ten sizes, each facing right and
// left (2 frames, a wobble); the splash a new blob comes out of; the angel of a lost life.
#include <cmath>
#include <string>

#include "VintrelPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Path;
using namespace vintrel_palette;

constexpr uint32_t kEyeWhite = 0xFFFFFF;
constexpr uint32_t kPupil = 0x101010;

art::Picture Blob(int pixels, bool left, uint32_t body, uint32_t dark) {
    art::Picture p;
    const float half = static_cast<float>(pixels) / 2.0f;
    for (int f = 0; f < 2; ++f) {
        Canvas c(pixels, pixels);
        const float squash = f == 0 ? 0.0f : 0.06f * half;
        c.Fill(Path::Ellipse(half, half + squash / 2, half - 0.5f, half - 0.5f - squash / 2), dark);
        c.Fill(Path::Ellipse(half, half + squash / 2, half - 1.5f, half - 1.5f - squash / 2), body);
        const float side = left ? -1.0f : 1.0f;
        const float eyeX = half + side * half * 0.35f;
        const float eyeR = std::max(1.5f, half * 0.28f);
        c.Fill(Path::Ellipse(eyeX, half * 0.75f, eyeR, eyeR), kEyeWhite);
        c.Fill(Path::Ellipse(eyeX + side * eyeR * 0.4f, half * 0.75f, eyeR * 0.5f, eyeR * 0.5f), kPupil);
        p.frames.push_back(std::move(c));
        p.delays.push_back(20);
    }
    return p;
}

struct BlobSet {
    const char* name;
    bool left;
    uint32_t body;
    uint32_t dark;
};

const BlobSet kSets[] = {{"vintrel_right", false, kPlayerBody, kPlayerDark},
                         {"vintrel_left", true, kPlayerBody, kPlayerDark},
                         {"baddie_right", false, kBaddieBody, kBaddieDark},
                         {"baddie_left", true, kBaddieBody, kBaddieDark}};

std::vector<art::ImageRecipe> MakeBlobRecipes() {
    std::vector<art::ImageRecipe> recipes;
    recipes.reserve(40);
    for (const BlobSet& set : kSets) {
        for (int size = 1; size <= 10; ++size) {
            const int px = 4 * size + 7;
            const std::string n = std::to_string(px);
            recipes.emplace_back("ani-" + std::string(set.name) + "-" + n + "x" + n + ".gif", px, px, 2,
                                 [=] { return Blob(px, set.left, set.body, set.dark); });
        }
    }
    return recipes;
}

const std::vector<art::ImageRecipe> kBlobRecipes = MakeBlobRecipes();

// Rings of water opening and closing over 600 ms.
art::Picture Splash() {
    art::Picture p;
    for (int f = 0; f < 6; ++f) {
        Canvas c(39, 39);
        const float r = 6.0f + 2.6f * static_cast<float>(f < 3 ? f : 5 - f) * 2.0f;
        c.Fill(Path::Ellipse(19.5f, 19.5f, r, r), 0xBFE6FF);
        c.Fill(Path::Ellipse(19.5f, 19.5f, r * 0.6f, r * 0.6f), 0x5AA8E0);
        p.frames.push_back(std::move(c));
        p.delays.push_back(10);
    }
    p.loop = false;
    return p;
}

art::Picture Angel() {
    art::Picture p;
    for (int f = 0; f < 2; ++f) {
        Canvas c(19, 19);
        const float wing = f == 0 ? 8.0f : 6.0f;
        c.Fill(Path::Ellipse(4, 11, 4, wing / 2), 0xF4F4F4);
        c.Fill(Path::Ellipse(15, 11, 4, wing / 2), 0xF4F4F4);
        c.Fill(Path::Ellipse(9.5f, 11.5f, 5, 5), kPlayerBody);
        c.Outline(Path::Ellipse(9.5f, 3, 4, 1.5f), 1.2f, 0xFFD21F);
        p.frames.push_back(std::move(c));
        p.delays.push_back(15);
    }
    return p;
}

const art::ImageRecipe kSplash{"ani-baddie-blob-39x39.gif", 39, 39, 6, Splash};
const art::ImageRecipe kAngel{"ani-vintrel_angel-19x19.gif", 19, 19, 2, Angel};

}  // namespace
