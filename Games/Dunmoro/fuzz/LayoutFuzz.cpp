// The layout reader over arbitrary bytes: it ends, reads nothing outside the text, and what it
// accepts is a board the deck can deal with coordinates the rules can add to.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Apps/Common/ResourceFile.h"
#include "Games/Dunmoro/Layout.h"
#include "Games/Dunmoro/Rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> text(data, data + size);
    CResourceFile file(text);
    const auto layout = dunmoro::ReadLayout(file);
    if (!layout) return 0;
    if (layout->empty() || layout->size() > static_cast<size_t>(dunmoro::kMaxLayoutCards)) __builtin_trap();
    for (size_t i = 0; i < layout->size(); ++i) {
        const auto& card = (*layout)[i];
        if (card.x < -dunmoro::kMaxLayoutCoordinate || card.x > dunmoro::kMaxLayoutCoordinate ||
            card.y < -dunmoro::kMaxLayoutCoordinate || card.y > dunmoro::kMaxLayoutCoordinate)
            __builtin_trap();
        if (i > 0) (void)dunmoro::Covers((*layout)[i - 1].x, (*layout)[i - 1].y, card.x, card.y);
    }
    return 0;
}
