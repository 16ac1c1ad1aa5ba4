// A player that only looks at the screen: it reads the firework icons off the bar, watches the
// show (a burst shows its colour at full brightness in the tick it bursts), repeats what it saw
// by clicking the icons, and enters its name when it beats the best.
//
// What it knows is what a watching person learns: rockets go up one every 1.5 seconds and take
// the same time to burst, so the bursts of the show come 1.5 seconds apart after the first; a
// rocket that bursts into rockets is followed by their small bursts in its colour. It looks by
// the clock, not by counting ticks, so it plays alike wherever the loop spaces the game's ticks.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "Apps/Glimtide/tests/GlimtideSession.h"

namespace glimtide::test {

enum class Hue { None = -1, Red, Green, Blue, Yellow, Magenta, White };

struct IconSeen {
    Hue hue = Hue::None;
    bool burstsIntoRockets = false;
};

class GlimtideBot {
public:
    explicit GlimtideBot(GlimtideView& session) : session_(session) {}

    // On the level's welcome panel: reads the icons, starts the show and repeats each show until
    // the show is `length` rockets long; false when it lost its way (a mistake or a lost show).
    bool PlayUntil(int length);
    // On the player's turn: clicks a wrong icon until the three tries are gone.
    void LoseOnPurpose();

    // The icons on the bar as they look now.
    void ReadIcons();
    const std::vector<IconSeen>& Icons() const { return icons_; }
    int Mistakes() const { return mistakes_; }
    // The choices of the last show watched.
    const std::vector<int>& LastShow() const { return last_; }

private:
    // Half a tick of the game, then a look at the sky.
    void Look();
    // The hues that burst in [fromMs, untilMs] after the look at `from`.
    std::array<bool, 6> HuesBetween(uint32_t from, int32_t fromMs, int32_t untilMs) const;
    // Runs the game until the status line changes from what it shows now.
    bool WaitForStatusChange(uint32_t maxMs);
    std::vector<uint32_t> StatusLine() const;
    // The hues whose full-brightness bursts are in the sky this tick.
    std::array<bool, 6> BurstHues() const;
    // Watches a show of `length` rockets that starts at this tick; the choices it saw.
    std::optional<std::vector<int>> WatchShow(int length);
    int ChoiceFor(Hue hue, bool burstsIntoRockets) const;
    bool Repeat(const std::vector<int>& sequence);

    GlimtideView& session_;
    std::vector<IconSeen> icons_;
    struct SkyLook {
        uint32_t ms;
        std::array<bool, 6> hues;
    };
    // The looks at the show being watched.
    std::vector<SkyLook> history_;
    std::vector<int> last_;
    int mistakes_ = 0;
};

}  // namespace glimtide::test
