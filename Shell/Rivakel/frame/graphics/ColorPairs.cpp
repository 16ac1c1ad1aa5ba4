#include "frame/graphics/GraphicsObject.h"

std::vector<ColorPair> ColorPairsFrom(int count, const int* pairs) {
    std::vector<ColorPair> list;
    if (pairs == nullptr || count <= 0) return list;
    list.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        list.push_back({static_cast<uint32_t>(pairs[2 * i]) & 0xFFFFFFu,
                        static_cast<uint32_t>(pairs[2 * i + 1]) & 0xFFFFFFu});
    }
    return list;
}
