#include "Apps/Tallimo/StaffRoll.h"

#include <algorithm>
#include <array>

namespace tallimo {
namespace {

// Each column of the truck gets four balls.
constexpr std::array<RollEntry, kRollBalls> kRoll{{
    {"Mara Quillon", 3}, {"Tobin Ashgrove", 3}, {"", 3},           {"Idris Fenwell", 3},
    {"Lena Marchetti", 4}, {"Oskar Thimble", 2}, {"Priya Vantal", 2}, {"", 4},
    {"Hollis Brenn", 2}, {"", 4},               {"Corin Dask", 4},    {"Wren Abernay", 2},
    {"Sefa Mollund", 1}, {"", 5},               {"Juno Pellery", 1},  {"Daria Kestrel", 5},
    {"", 5},             {"Emmet Rowle", 5},    {"Noor Falstead", 1}, {"", 1},
    {"Bram Ettison", 0}, {"Yuki Tarrow", 0},    {"Alba Corvane", 0},  {"Felix Ondry", 0},
}};

int ClampedEntry(int i) { return std::clamp(i, 0, kRollBalls - 1); }

}  // namespace

const RollEntry& RollEntryAt(int i) { return kRoll[static_cast<size_t>(ClampedEntry(i))]; }

int FaceCell(int i) {
    const int entry = ClampedEntry(i);
    if (kRoll[static_cast<size_t>(entry)].name.empty()) return -1;
    return static_cast<int>(std::count_if(kRoll.begin(), kRoll.begin() + entry,
                                          [](const RollEntry& e) { return !e.name.empty(); }));
}

}  // namespace tallimo
