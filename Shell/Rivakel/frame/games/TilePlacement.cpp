#include "frame/games/TilePlacement.h"

#include <algorithm>

platform::Point InstalledTilePosition(int n) { return {12 + 92 * (n % 5), 82 + 73 * (n / 5)}; }

std::vector<platform::Point> RecommendedTilePositions(int count) {
    std::vector<platform::Point> places;
    count = std::clamp(count, 0, 5);
    for (int i = 0; i < count; ++i) {
        // A full row keeps its places; fewer tiles are centred on x 250 and moved down to y 323.
        places.push_back(count == 5 ? platform::Point{23 + 92 * i, 321}
                                    : platform::Point{205 - 45 * (count - 1) + 90 * i, 323});
    }
    return places;
}
