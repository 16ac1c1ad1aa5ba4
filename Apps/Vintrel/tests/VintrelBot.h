// A player that only looks at the screen: it finds its own blob by the green body and the others
// by their orange, tells their sizes from how wide they are, and holds the arrows so that its
// speed points toward the nearest blob it can eat and away from those that would eat it and from
// the pond's edge. Once it has grown enough it swims into the bigger ones instead.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "Apps/Vintrel/tests/VintrelSession.h"

namespace vintrel::test {

struct BotReport {
    int largestSize = 0;      // the biggest the player was seen
    int deaths = 0;           // life-lost panels answered with Space
    int passedThrough = 0;    // looks at which the player overlapped a bigger blob and lived on
    bool gameOver = false;    // "Play Again?" is up
    bool angelGoneOnSpace = true;  // after every Space the angel had flown
    bool splashGoneOnSpace = true;  // after every Space no splash of the old pond was left
    int angelRise = 0;             // the most an angel was seen to rise, in pixels
};

class VintrelBot {
public:
    explicit VintrelBot(VintrelView& view) : view_(view) {}

    // Eats until the player has reached `goalSize`, then swims into bigger blobs until the game
    // is over or `maxLooks` looks have passed. A goal of 0 rams bigger blobs from the start.
    BotReport Play(int goalSize, int maxLooks);

    struct Blob {
        int left = 0, top = 0, right = 0, bottom = 0;
        int size = 0;
        float CentreX() const { return static_cast<float>(left + right) / 2; }
        // The wobble squashes a body from the top: its bottom and width stay put.
        float CentreY() const { return static_cast<float>(bottom) - static_cast<float>(right - left) / 2; }
        bool Overlaps(const Blob& o) const {
            return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
        }
    };
    struct Sight {
        bool player = false;
        Blob me;
        std::vector<Blob> others;
    };
    Sight Look() const;
    // The top of the angel's wings, or -1.
    int AngelTop() const;

private:
    void Hold(bool left, bool right, bool up, bool down);
    void Steer(const Sight& s, bool ramming);
    // Where the splashes' foam is.
    std::vector<std::pair<int, int>> FoamPixels() const;

    VintrelView& view_;
    bool held_[4] = {false, false, false, false};
    float lastX_ = -1, lastY_ = -1;
    uint32_t lastSeen_ = 0;
};

}  // namespace vintrel::test
