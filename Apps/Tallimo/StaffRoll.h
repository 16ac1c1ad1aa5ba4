// The staff roll's 24 balls: who each one carries and the column of the size-2 truck it fills.
#pragma once

#include <string_view>

namespace tallimo {

inline constexpr int kRollBalls = 24;
inline constexpr int kRollBeltMs = 3000;
inline constexpr int kRollFallMs = 3000;
inline constexpr int kRollSpawnMs = 3500;

struct RollEntry {
    std::string_view name;  // empty: a plain ball of a random kind
    int column = 0;
};

// Entry i, 0 to 23.
const RollEntry& RollEntryAt(int i);
// The face cell of entry i in the faces strip (the named entries before it), or -1 when it
// carries no face.
int FaceCell(int i);

}  // namespace tallimo
