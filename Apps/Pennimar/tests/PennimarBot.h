// A farmer that only looks at the screen: it learns the bare earth while the day's panel is up,
// finds the animals as whatever differs from the earth, reads the farmer off the screen by its
// blue overalls and the share fenced off the bar, and fences the farm in strips from the right
// edge, each cut only when no animal can reach the new fence before it closes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "Apps/Pennimar/tests/PennimarSession.h"

namespace pennimar::test {

struct Spot {
    int x = 0, y = 0;
};

struct Blob {
    int left = 0, top = 0, right = 0, bottom = 0;
    int CentreX() const { return (left + right) / 2; }
    int CentreY() const { return (top + bottom) / 2; }
};

class PennimarBot {
public:
    explicit PennimarBot(PennimarView& view) : view_(view) {}

    // On a level's first panel, before anything moved: the earth under the top of the field.
    void LearnEarth();
    // From the day's panel: fences strips until the farm is done (the level-complete panel is up).
    bool FenceTheFarm(int maxTicks);
    // Lays fence into the open land and waits there until an animal walks into it.
    bool LoseALife(int maxTicks);

    // The farmer's point, from its overalls: looked for near `near` first, then everywhere.
    std::optional<Spot> Farmer(std::optional<Spot> near = std::nullopt) const;
    // The animals awake in the open land from `left` to `right` (the whole height).
    std::vector<Blob> Animals(int left, int right) const;
    int LivesLost() const { return livesLost_; }

private:
    std::optional<Spot> FarmerIn(int left, int top, int right, int bottom) const;
    uint32_t Earth(int x, int y) const { return earth_[static_cast<size_t>((y - 50) % 32 * 32 + x % 32)]; }
    // Holds `key` until the farmer stands at x (or y, for Up and Down); false when it did not get there.
    bool WalkTo(int key, int target, bool alongX);
    bool SafeToCut(int line, int right);
    // Waits out a lost life's panel; true when one was up.
    bool DismissLostLife();

    PennimarView& view_;
    std::array<uint32_t, 32 * 32> earth_{};
    int livesLost_ = 0;
    std::vector<Blob> looked_;
    int lookedAt_ = -1;
};

}  // namespace pennimar::test
