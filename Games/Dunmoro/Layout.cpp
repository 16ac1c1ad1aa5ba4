#include "Games/Dunmoro/Layout.h"

#include <cstdio>

#include "Apps/Common/ResourceFile.h"

namespace dunmoro {

std::string LayoutFileName(int board) {
    char name[32];
    std::snprintf(name, sizeof name, "Layout%d.dat", board);
    return name;
}

std::optional<std::vector<LayoutCard>> ReadLayout(CResourceFile& file) {
    if (!file.IsLoaded()) return std::nullopt;
    int count = 0;
    file.ReadInt(&count);
    if (count < 1 || count > kMaxLayoutCards) return std::nullopt;
    std::vector<LayoutCard> cards(static_cast<size_t>(count));
    for (LayoutCard& card : cards) {
        int face = 0;
        file.ReadInt(&card.x);
        file.ReadInt(&card.y);
        file.ReadInt(&face);
        if (card.x < -kMaxLayoutCoordinate || card.x > kMaxLayoutCoordinate || card.y < -kMaxLayoutCoordinate ||
            card.y > kMaxLayoutCoordinate)
            return std::nullopt;
        card.faceUp = face == 1;
    }
    return cards;
}

}  // namespace dunmoro
