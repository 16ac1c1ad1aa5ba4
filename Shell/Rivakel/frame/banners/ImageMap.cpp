#include "frame/banners/ImageMap.h"

#include <algorithm>
#include <cstdint>

#include "core/base/Strings.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::vector<int> ParseCoords(std::string_view text, size_t limit) {
    std::vector<int> numbers;
    size_t i = 0;
    while (i < text.size() && numbers.size() < limit) {
        const bool negative = text[i] == '-' && i + 1 < text.size() && IsDigit(text[i + 1]);
        if (!negative && !IsDigit(text[i])) {
            ++i;
            continue;
        }
        if (negative) ++i;
        int64_t value = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i) value = std::min<int64_t>(value * 10 + (text[i] - '0'), kMaxCoordinate);
        numbers.push_back(static_cast<int>(negative ? -value : value));
    }
    return numbers;
}

std::optional<AreaShape> ParseAreaShape(std::string_view text) {
    if (EqualsNoCase(text, "CIRCLE")) return AreaShape::Circle;
    if (EqualsNoCase(text, "RECT")) return AreaShape::Rect;
    if (EqualsNoCase(text, "POLY")) return AreaShape::Poly;
    if (EqualsNoCase(text, "DEFAULT")) return AreaShape::Default;
    return std::nullopt;
}

std::optional<platform::Rect> AreaBounds(const ImageMapArea& area) {
    const std::vector<int>& n = area.numbers;
    if (area.shape == AreaShape::Rect && n.size() >= 4)
        return platform::Rect{std::min(n[0], n[2]), std::min(n[1], n[3]), std::max(n[0], n[2]), std::max(n[1], n[3])};
    if (area.shape == AreaShape::Circle && n.size() >= 3 && n[2] >= 0)
        return platform::Rect{n[0] - n[2], n[1] - n[2], n[0] + n[2], n[1] + n[2]};
    return std::nullopt;
}

int HitArea(std::span<const ImageMapArea> areas, int x, int y) {
    int fallback = -1;
    for (size_t i = 0; i < areas.size(); ++i) {
        const ImageMapArea& area = areas[i];
        if (area.shape == AreaShape::Default) {
            if (fallback < 0) fallback = static_cast<int>(i);
            continue;
        }
        const std::optional<platform::Rect> bounds = AreaBounds(area);
        if (!bounds || x < bounds->left || x > bounds->right || y < bounds->top || y > bounds->bottom) continue;
        if (area.shape == AreaShape::Circle) {
            const int64_t dx = int64_t{x} - area.numbers[0], dy = int64_t{y} - area.numbers[1];
            const int64_t r = area.numbers[2];
            if (dx * dx + dy * dy > r * r) continue;
        }
        return static_cast<int>(i);
    }
    return fallback;
}
