#include "platform/fonts/GlyphFit.h"

#include <algorithm>
#include <limits>

namespace platform {
namespace {

uint8_t Bit(const Glyph& glyph, int x, int y) { return glyph.bits[static_cast<size_t>(y) * glyph.width + x]; }

// Whether the column holds the only ink of some row (a stem): without it that row would vanish.
bool CarriesARow(const Glyph& glyph, int column) {
    for (int y = 0; y < glyph.height; ++y) {
        if (Bit(glyph, column, y) == 0) continue;
        bool alone = true;
        for (int x = 0; x < glyph.width && alone; ++x) alone = x == column || Bit(glyph, x, y) == 0;
        if (alone) return true;
    }
    return false;
}

// The interior column whose loss changes the picture least: fewest rows that differ from the
// column before it, then the least ink. Edge columns carry the outline and stay, and so does a
// column that is a row's only ink; -1 when none may go.
int ColumnToDrop(const Glyph& glyph) {
    int best = -1;
    std::pair<int, int> bestCost{std::numeric_limits<int>::max(), 0};
    for (int x = 1; x + 1 < glyph.width; ++x) {
        if (CarriesARow(glyph, x)) continue;
        int differing = 0, ink = 0;
        for (int y = 0; y < glyph.height; ++y) {
            differing += Bit(glyph, x, y) != Bit(glyph, x - 1, y);
            ink += Bit(glyph, x, y);
        }
        const std::pair<int, int> cost{differing, ink};
        if (cost < bestCost) {
            bestCost = cost;
            best = x;
        }
    }
    return best;
}

bool ColumnIsBlank(const Glyph& glyph, int column) {
    for (int y = 0; y < glyph.height; ++y) {
        if (Bit(glyph, column, y) != 0) return false;
    }
    return true;
}

void DropColumn(Glyph& glyph, int column) {
    std::vector<uint8_t> bits;
    bits.reserve(static_cast<size_t>(glyph.width - 1) * glyph.height);
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            if (x != column) bits.push_back(Bit(glyph, x, y));
        }
    }
    glyph.bits = std::move(bits);
    --glyph.width;
}

}  // namespace

void FitGlyphInto(Glyph& glyph, int maxWidth) {
    if (glyph.width <= 0 || glyph.height <= 0 || maxWidth <= 0) return;
    while (glyph.width > maxWidth) {
        const int column = ColumnToDrop(glyph);
        if (column < 0) break;
        DropColumn(glyph, column);
    }
    glyph.left = std::clamp(glyph.left, 0, std::max(0, maxWidth - glyph.width));
}

void TrimToInk(Glyph& glyph) {
    while (glyph.width > 0 && ColumnIsBlank(glyph, glyph.width - 1)) DropColumn(glyph, glyph.width - 1);
    while (glyph.width > 0 && ColumnIsBlank(glyph, 0)) {
        DropColumn(glyph, 0);
        ++glyph.left;
    }
    if (glyph.width == 0) {
        glyph.height = 0;
        glyph.bits.clear();
    }
}

}  // namespace platform
