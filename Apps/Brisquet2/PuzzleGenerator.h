// Builds a full board by placing groups of one colour one after another, so that popping the
// groups in the reverse order of their placing clears it. Every random number comes from the
// generator handed in (the shell's, seeded from the puzzle number), so a number gives the same
// board everywhere.
#pragma once

#include <functional>
#include <vector>

#include "Apps/Brisquet2/GeneratorGrid.h"

namespace brisquet2 {

class CPuzzleGenerator {
public:
    static constexpr int kMaxGroups = 1000;
    // Start cells tried for one group before the run gives up.
    static constexpr int kMaxStartAttempts = 2000;
    // How deep a direction's test looks ahead into a column that only it could still fill.
    static constexpr int kMaxLookAhead = 6;

    explicit CPuzzleGenerator(std::function<int()> rand) : rand_(std::move(rand)) {}

    // 0 done, 1 gave up. minGroup below 2 counts as 2, groupRange below 1 as 1.
    int GeneratePuzzle(int minGroup, int groupRange, bool mirror);
    // The finished grid in screen rows (row 0 at the top).
    const CGeneratorGrid& Grid() const { return grid_; }
    int Groups() const { return step_; }

private:
    struct GroupCell {
        int column = 0;
        int row = 0;
        int directions = 0;
    };
    struct StartSearch {
        int column = -1;
        int rows = 0;
        int first = 0;
        int tried = 0;
    };
    struct Target {
        int column = -1;
        int row = -1;
    };

    int Rand() { return rand_(); }
    void BeginGroup(int minGroup, int groupRange);
    bool ChooseStart(Target& target);
    Target ChooseGrowth();
    Target ChooseForced() const;
    void Place(const Target& target);
    int GrowDirections(GroupCell cell, int depth);
    bool GroupIsClean() const;
    int FindForcedColumn() const;
    void RefreshDirections();

    std::function<int()> rand_;
    CGeneratorGrid grid_;
    std::vector<GroupCell> group_;
    StartSearch search_;
    int step_ = 0;
    int colour_ = 1;
    int remaining_ = 0;
    int withDirections_ = 0;
    int forcedColumn_ = -1;
    int toFill_ = 0;
};

}  // namespace brisquet2
