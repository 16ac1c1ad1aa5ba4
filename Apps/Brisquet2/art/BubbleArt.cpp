// The bubbles, 32 x 32 each, loaded through the game's recolour map.
//
//   ani-<kind>bubble-32x32.gif       idle: a wobble that starts and ends at rest (played once)
//   ani-<kind>bubble_pop-32x32.gif   the pop: a swell, a burst into droplets, gone in 480 ms
//   img-bbltrans-32x32.gif           the fixed transparent bubble: a glass ring
#include <cmath>
#include <numbers>

#include "Brisquet2Look.h"
#include "Brisquet2Palette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using namespace brisquet2_art;

constexpr float kCentre = 16.0f;
constexpr float kRadius = 15.0f;
constexpr int kIdleFrames = 8;
constexpr int kPopFrames = 6;

art::Picture Idle(const BubbleTones& tones) {
    // A damped squash and stretch: frame 0 and the last frame are the bubble at rest.
    constexpr float kSquash[kIdleFrames] = {0, 0.08f, -0.07f, 0.05f, -0.035f, 0.02f, -0.01f, 0};
    art::Picture picture;
    picture.loop = false;
    for (const float squash : kSquash) {
        Canvas c(32, 32);
        const float rx = kRadius * (1 + squash);
        const float ry = kRadius * (1 - squash);
        Bubble(c, kCentre, 32 - ry - 1, rx, ry, tones);
        picture.frames.push_back(std::move(c));
        picture.delays.push_back(6);
    }
    return picture;
}

art::Picture Pop(const BubbleTones& tones) {
    art::Picture picture;
    picture.loop = false;
    // Swell, then the skin tears into a ring of droplets that fly out and shrink.
    Canvas swell(32, 32);
    Bubble(swell, kCentre, kCentre, kRadius + 0.8f, kRadius + 0.8f, tones);
    picture.frames.push_back(std::move(swell));
    constexpr int kDrops = 10;
    for (int f = 1; f < kPopFrames; ++f) {
        Canvas c(32, 32);
        const float t = static_cast<float>(f) / static_cast<float>(kPopFrames - 1);
        if (f == 1) {
            // The last of the skin: a thin broken ring.
            for (int i = 0; i < 24; ++i) {
                if (i % 4 == 3) continue;
                const float a = static_cast<float>(i) * 2 * std::numbers::pi_v<float> / 24;
                Droplet(c, kCentre + std::cos(a) * 12.5f, kCentre + std::sin(a) * 12.5f, 1.6f, tones);
            }
        }
        Dice dice(7);
        for (int i = 0; i < kDrops; ++i) {
            const float a = (static_cast<float>(i) + dice.Next() * 0.5f) * 2 * std::numbers::pi_v<float> / kDrops;
            const float reach = 8 + 7.5f * t + dice.Next() * 2;
            const float size = (3.8f - 2.6f * t) * (0.8f + 0.4f * dice.Next());
            if (size < 0.7f) continue;
            Droplet(c, kCentre + std::cos(a) * reach, kCentre + std::sin(a) * reach + 2 * t * t, size, tones);
        }
        picture.frames.push_back(std::move(c));
    }
    picture.delays.assign(picture.frames.size(), 8);
    return picture;
}

art::Picture Transparent() {
    Canvas c(32, 32);
    // A glass ring: the board shows through its middle.
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const float dx = static_cast<float>(x) + 0.5f - kCentre, dy = static_cast<float>(y) + 0.5f - kCentre;
            const float d = std::sqrt(dx * dx + dy * dy);
            if (d > kRadius) continue;
            const float angle = std::atan2(dy, dx);
            if (d > kRadius - 1.2f) c.Set(x, y, 0x4F7F9A);
            else if (d > kRadius - 2.6f) c.Set(x, y, angle < -1.2f && angle > -2.9f ? kWhite : 0xA9DCEB);
            else if (d > 9.5f && angle < -1.5f && angle > -2.6f) c.Set(x, y, kFoam);
            else if (d > 10.5f && angle > 0.5f && angle < 1.1f) c.Set(x, y, 0x7FB3C9);
        }
    }
    // Two small glints.
    for (const auto& [gx, gy] : {std::pair{10, 9}, std::pair{12, 8}, std::pair{9, 11}}) c.Set(gx, gy, kWhite);
    return art::Still(std::move(c));
}

const art::ImageRecipe brown{"ani-brownbubble-32x32.gif", 32, 32, kIdleFrames, [] { return Idle(kBrownBubble); }};
const art::ImageRecipe gray{"ani-graybubble-32x32.gif", 32, 32, kIdleFrames, [] { return Idle(kGrayBubble); }};
const art::ImageRecipe green{"ani-greenbubble-32x32.gif", 32, 32, kIdleFrames, [] { return Idle(kGreenBubble); }};
const art::ImageRecipe magenta{"ani-magentabubble-32x32.gif", 32, 32, kIdleFrames, [] { return Idle(kMagentaBubble); }};
const art::ImageRecipe brownPop{"ani-brownbubble_pop-32x32.gif", 32, 32, kPopFrames, [] { return Pop(kBrownBubble); }};
const art::ImageRecipe grayPop{"ani-graybubble_pop-32x32.gif", 32, 32, kPopFrames, [] { return Pop(kGrayBubble); }};
const art::ImageRecipe greenPop{"ani-greenbubble_pop-32x32.gif", 32, 32, kPopFrames, [] { return Pop(kGreenBubble); }};
const art::ImageRecipe magentaPop{"ani-magentabubble_pop-32x32.gif", 32, 32, kPopFrames,
                                  [] { return Pop(kMagentaBubble); }};
const art::ImageRecipe transparent{"img-bbltrans-32x32.gif", 32, 32, 1, Transparent};

}  // namespace
