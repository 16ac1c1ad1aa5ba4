// A diver that only looks at the screen: it finds its submarine by the yellow hull, the sharks
// and pirates by their skins, the enemy torpedoes by their green, treasure by its gold on the
// sea floor, and reads the oxygen gauge and the hold lights. It cruises just above the floor,
// picks up treasure, torpedoes what comes along its row, waits while a lane it must cross is
// busy, and surfaces to bank the hold and breathe.
#pragma once

#include <vector>

#include "Apps/Aurelsk/tests/AurelskSession.h"

namespace aurelsk::test {

struct BotReport {
    int banked = 0;         // treasures whose hold lights went out at the surface
    int surfacedTicks = 0;  // ticks spent at the surface with the gauge not full
    int lowRefills = 0;     // times it came up with the gauge below half and filled it
    std::vector<int> gameOverTops;  // where the game-over picture was seen, look by look
    bool gameOver = false;
};

class AurelskBot {
public:
    explicit AurelskBot(AurelskView& view) : view_(view) {}

    // Plays until the game is over or after `maxLooks` looks. Until `bankTarget` treasures are
    // banked it goes up when the hold holds two or the oxygen runs low; after that it stays down.
    BotReport PlayToTheEnd(int bankTarget, int maxLooks);

private:
    struct Sight {
        bool sub = false;
        int left = 0, top = 0, right = 0, bottom = 0;
        std::vector<std::pair<int, int>> enemies;  // sampled points of sharks, pirates and their torpedoes
        std::vector<int> treasures;                // x of gold on the floor
    };
    enum class Mode { Dive, Cruise, Rise, Breathe };

    Sight Look() const;
    bool Busy(const Sight& s, int top, int bottom, int reach) const;
    // An enemy on the torpedo's line within reach: -1 left, 1 right, 0 none.
    int TargetSide(const Sight& s) const;
    void Hold(int mask);
    void Decide(const Sight& s, int bankTarget, BotReport& report);

    AurelskView& view_;
    Mode mode_ = Mode::Dive;
    int held_ = 0;
    bool facingRight_ = true;
    int lastHold_ = 0;
    int lowestAtSurface_ = 180;
    int fireCooldown_ = 0;
};

}  // namespace aurelsk::test
