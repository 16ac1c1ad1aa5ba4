// A player that only looks at the screen: it finds the wish bubbles over the seats (the snack in
// each and how many of its six lamps still burn), the seller on his step, which snacks the
// scoreboard lists and whether their stock digits read full again, and plans with the game's own
// planner what to press next. It presses the arrows as a person holds them, briefly.
#pragma once

#include <array>
#include <vector>

#include "Apps/Pellawick/ServePlanner.h"
#include "Apps/Pellawick/StadiumLayout.h"
#include "Apps/Pellawick/tests/PellawickSession.h"

namespace pellawick::test {

class PellawickBot {
public:
    explicit PellawickBot(PellawickView& view) : view_(view) {}

    // On an inning's intro or next-inning panel: Space, then serves until a panel comes up;
    // the panel, or None when `maxMs` passed first.
    PanelSeen PlayInning(int maxMs = 120000);
    // Space until the next panel (or play, None) shows.
    PanelSeen Continue();
    // Waits until a panel shows (or `maxMs` passes).
    PanelSeen WaitForPanel(int maxMs);
    // On play: throws at once to the row beside the seller, where nobody is waiting yet.
    void ThrowAtNobody();

    SeenStadium Look() const;
    int Serves() const { return serves_; }

private:
    bool BigStadium() const;
    std::vector<uint32_t> StockDigits(int food) const;
    void Press(pellawick::Press press);

    PellawickView& view_;
    ServePlanner planner_;
    StadiumLayout layout_;
    std::array<std::vector<uint32_t>, 3> full_;
    std::array<int, 3> thrown_{};
    int selected_ = 0;
    int serves_ = 0;
};

}  // namespace pellawick::test
