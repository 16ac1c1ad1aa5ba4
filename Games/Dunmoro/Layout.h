// Board layouts: "Layout<N>.dat", a text of decimal numbers: the card count, then x, y and a
// face flag (1 face up) for each card in deal order (a later card lies over earlier ones).
// Numbers are read as CResourceFile::ReadInt reads them; numbers missing at the end read 0.
#pragma once

#include <optional>
#include <string>
#include <vector>

class CResourceFile;

namespace dunmoro {

struct LayoutCard {
    int x = 0, y = 0;
    bool faceUp = false;
    bool operator==(const LayoutCard&) const = default;
};

// The most cards a layout can hold: six decks less the spare cards of the pile.
inline constexpr int kMaxLayoutCards = 259;
inline constexpr int kMaxDecks = 6;
// Coordinates beyond this are damage, not a layout.
inline constexpr int kMaxLayoutCoordinate = 32767;

std::string LayoutFileName(int board);
// Null for a text that is not a layout: a card count outside 1 to kMaxLayoutCards, or a
// coordinate beyond +-kMaxLayoutCoordinate.
std::optional<std::vector<LayoutCard>> ReadLayout(CResourceFile& file);

// Cards of the draw pile besides the board's: board 18 gets more.
constexpr int SpareCards(int board) { return board == 18 ? 30 : 20; }
constexpr int DecksFor(int cards) { return cards / 52 + 2; }

}  // namespace dunmoro
