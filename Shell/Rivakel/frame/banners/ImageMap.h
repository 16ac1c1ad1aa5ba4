// A catalogue picture's image map: areas that open an address when clicked. Circles and
// rectangles are hit by their shape, polygons never, and the default area wherever no other
// area is.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

enum class AreaShape { Circle = 0, Rect = 1, Poly = 2, Default = 3 };

struct ImageMapArea {
    AreaShape shape = AreaShape::Default;
    // Circle: centre x, centre y, radius. Rect: two corners. Poly: x, y pairs.
    std::vector<int> numbers;
    std::string href;
};

inline constexpr size_t kMaxMapAreas = 40;
inline constexpr size_t kMaxAreaNumbers = 200;
// Coordinates beyond it are held to it, so distances cannot overflow.
inline constexpr int kMaxCoordinate = 1000000;

// Signed decimal numbers separated by anything else, at most `limit` of them.
std::vector<int> ParseCoords(std::string_view text, size_t limit = kMaxAreaNumbers);
// "CIRCLE", "RECT", "POLY", "DEFAULT" in any case; nullopt for anything else.
std::optional<AreaShape> ParseAreaShape(std::string_view text);

// The area under (x, y): the first circle or rectangle that holds it, else the default area;
// -1 when none. Edges belong to their shape.
int HitArea(std::span<const ImageMapArea> areas, int x, int y);
// Where a circle or rectangle lies (corners in order); nullopt for the others and for shapes
// given too few numbers or a negative radius.
std::optional<platform::Rect> AreaBounds(const ImageMapArea& area);
