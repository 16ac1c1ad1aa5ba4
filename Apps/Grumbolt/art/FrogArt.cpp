// The frogs of the swamp screen, six colours of six animations each:
//
//   p-img-Frog<Colour>Idle.gif      30x30, 6 frames: a blink and a puff of the throat, played once
//   p-img-Frog<Colour>Sinking.gif   30x30, 8 frames: going under in rings of ripples, 800 ms
//   p-img-Frog<Colour>JU.gif, JD    30x90, 8 frames: a leap two cells up or down, 800 ms
//   p-img-Frog<Colour>JR.gif, JL    90x30, 8 frames: a leap two cells right or left, 800 ms
//
// A jump sprite stands where the screen places it: its first frame covers the starting cell and
// its last the target cell, so the frog never seems to move when the sprite comes and goes.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "GrumboltLook.h"
#include "GrumboltPalette.h"
#include "art/ArtRegistry.h"
#include "art/Path.h"

namespace {

using art::Canvas;
using art::Path;
using namespace grumbolt_art;

constexpr int kCell = 30;
constexpr int kJumpFrames = 8;
constexpr int kJumpDelay = 10;  // hundredths: 8 x 10 = the jump's 800 ms
constexpr float kPi = 3.14159265f;

art::Picture Animation(std::vector<Canvas> frames, int delay, bool loop) {
    art::Picture p;
    p.delays.assign(frames.size(), delay);
    p.frames = std::move(frames);
    p.loop = loop;
    return p;
}

art::Picture Idle(uint32_t colour) {
    const FrogPose poses[] = {{}, {0.6f}, {1.0f}, {}, {0, 0.7f}, {0, 0.35f}};
    std::vector<Canvas> frames;
    for (const FrogPose& pose : poses) {
        Canvas c(kCell, kCell);
        Frog(c, 15, 15, 1, colour, pose);
        frames.push_back(std::move(c));
    }
    return Animation(std::move(frames), 12, false);
}

art::Picture Sinking(uint32_t colour) {
    std::vector<Canvas> frames;
    for (int i = 0; i < kJumpFrames; ++i) {
        const float t = static_cast<float>(i) / (kJumpFrames - 1);
        Canvas c(kCell, kCell);
        const float ring = 6 + 8 * t;
        c.Outline(Path::Ellipse(15, 19, ring, ring * 0.6f), 1.2f, art::Mix(kRipple, kWater, t * 0.6f));
        if (t < 0.9f) {
            FrogPose pose;
            pose.sink = t;
            pose.blink = t > 0.3f ? 1.0f : 0.0f;
            Frog(c, 15, 15, 1, colour, pose);
        }
        // Bubbles rise where it went under.
        for (int b = 0; b < 3; ++b) {
            const float phase = t * 3 - static_cast<float>(b) * 0.5f;
            if (phase <= 0) continue;
            const float bx = 12 + static_cast<float>(b) * 3.5f, by = 20 - std::fmod(phase, 1.0f) * 12;
            c.Outline(Path::Ellipse(bx, by, 1.6f, 1.6f), 0.8f, kWhite);
        }
        frames.push_back(std::move(c));
    }
    return Animation(std::move(frames), kJumpDelay, false);
}

// A leap along (dx, dy) cells of 2: the frog rises toward the middle (bigger, its shadow left
// behind on the water) and lands at the far cell.
art::Picture Jump(uint32_t colour, int dx, int dy) {
    const int width = dx != 0 ? 3 * kCell : kCell, height = dy != 0 ? 3 * kCell : kCell;
    // The frog's centre at the start, as the screen places the sprite.
    const float startX = dx < 0 ? 75.0f : 15.0f;
    const float startY = dy < 0 ? 73.0f : (dy > 0 ? 13.0f : 13.0f);
    std::vector<Canvas> frames;
    for (int i = 0; i < kJumpFrames; ++i) {
        const float t = static_cast<float>(i) / (kJumpFrames - 1);
        const float lift = std::sin(kPi * t);
        const float x = startX + static_cast<float>(dx) * 60 * t, y = startY + static_cast<float>(dy) * 60 * t;
        Canvas c(width, height);
        if (lift > 0.05f) Shadow(c, x, y + 9, 9 * (1 - 0.3f * lift), kWater);
        FrogPose pose;
        pose.stretch = lift;
        Frog(c, x, y - (dy == 0 ? 2.0f : 6.0f) * lift, 1 + 0.22f * lift, colour, pose);
        frames.push_back(std::move(c));
    }
    return Animation(std::move(frames), kJumpDelay, false);
}

struct ColourRecipes {
    explicit ColourRecipes(int index) {
        const std::string stem = std::string("p-img-Frog") + kFrogColourNames[index];
        const uint32_t colour = FrogColour(index);
        const auto add = [&](const char* kind, int w, int h, int frames, std::function<art::Picture()> draw) {
            recipes.push_back(std::make_unique<art::ImageRecipe>(stem + kind + ".gif", w, h, frames, std::move(draw)));
        };
        add("Idle", kCell, kCell, 6, [colour] { return Idle(colour); });
        add("Sinking", kCell, kCell, kJumpFrames, [colour] { return Sinking(colour); });
        add("JU", kCell, 3 * kCell, kJumpFrames, [colour] { return Jump(colour, 0, -1); });
        add("JR", 3 * kCell, kCell, kJumpFrames, [colour] { return Jump(colour, 1, 0); });
        add("JD", kCell, 3 * kCell, kJumpFrames, [colour] { return Jump(colour, 0, 1); });
        add("JL", 3 * kCell, kCell, kJumpFrames, [colour] { return Jump(colour, -1, 0); });
    }
    std::vector<std::unique_ptr<art::ImageRecipe>> recipes;
};

const ColourRecipes colours[] = {ColourRecipes(0), ColourRecipes(1), ColourRecipes(2),
                                 ColourRecipes(3), ColourRecipes(4), ColourRecipes(5)};

}  // namespace
