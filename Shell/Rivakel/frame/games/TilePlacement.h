// Where the Games pages put their tiles: installed games five to a row in the framed box,
// recommendations in one row centred by their number.
#pragma once

#include <vector>

#include "platform/Platform.h"

// Tile `n` (from 0) of the installed games.
platform::Point InstalledTilePosition(int n);
// The places of `count` recommended tiles (at most five are shown).
std::vector<platform::Point> RecommendedTilePositions(int count);
