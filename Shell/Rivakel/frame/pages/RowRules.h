// Which game rows the Home page features and the Join and Exit pages rotate through, and where
// the list of games still to get puts its tiles.
#pragma once

#include <span>
#include <string>

#include "platform/Platform.h"

struct RowFacts {
    std::string name;
    bool installed = false;
};

namespace rows {

// From `index`, the first row neither installed nor "UltraHexavon" nor "DunmoroSilver", moving
// backwards or forwards; the last row when none is. -1 for no rows.
int SelectFeatured(std::span<const RowFacts> table, int index, bool backward);
// One step of the featured box's arrows, a second past "DunmoroSilver" (any case).
int StepFeatured(std::span<const RowFacts> table, int index, bool backward);
// The next logo of the Join and Exit pages: "UltraHexavon" is passed over while no such game
// file was found and "Plimsey" once one was; "DunmoroSilver" is never shown.
int NextLogo(std::span<const RowFacts> table, int index, bool ultraHexavonFound);
// Tile `n` (from 0) of the list of games still to get: five to a row, without limit.
platform::Point ToGetTilePosition(int n);

}  // namespace rows
