#include "Apps/Tallimo/Truck.h"

#include <algorithm>

namespace tallimo {
namespace {

constexpr int kMinSize = 2;
constexpr int kMaxSize = 4;
constexpr int kColumnsPerSize = 3;

int ClampedSize(int size) { return std::clamp(size, kMinSize, kMaxSize); }

}  // namespace

int TruckLeftEdge(int size) {
    constexpr int kEdges[] = {98, 66, 0};
    return kEdges[ClampedSize(size) - kMinSize];
}

int TruckWidth(int size) { return 98 * ClampedSize(size) + 110; }

int ColumnX(int leftEdge, int column) { return leftEdge + kCellSize * column + 2 * (column / 3) + 2; }

Truck::Truck(int size)
    : columns_(kColumnsPerSize * ClampedSize(size)),
      pattern_(static_cast<size_t>(columns_ * kShelves), 0),
      balls_(static_cast<size_t>(columns_ * kShelves), kNoBall) {}

void Truck::DrawPattern(int kinds, const RandomSource& rand) {
    const int k = std::max(kinds, 1);
    for (int& cell : pattern_) cell = rand() % k;
}

bool Truck::HasRoom(int column) const {
    if (column < 0 || column >= columns_) return false;
    return balls_[static_cast<size_t>(column * kShelves + kShelves - 1)] == kNoBall;
}

bool Truck::IsFull() const { return std::ranges::none_of(balls_, [](int ball) { return ball == kNoBall; }); }

int ShelfY(int shelf) { return 34 * (kShelves - 1 - shelf) + 2; }

int Truck::ColumnAt(int x, int leftEdge) const { return std::clamp((x - leftEdge) / kCellSize, 0, columns_ - 1); }

int Truck::LandingColumn(int x, int leftEdge, const RandomSource& rand) const {
    const int under = ColumnAt(x, leftEdge);
    if (HasRoom(under)) return under;
    const int first = (rand() & 1) ? 1 : -1;
    for (int away = 1; away < columns_; ++away) {
        if (HasRoom(under + first * away)) return under + first * away;
        if (HasRoom(under - first * away)) return under - first * away;
    }
    return -1;
}

int Truck::Land(int column, int kind) {
    if (column < 0 || column >= columns_) return -1;
    for (int shelf = 0; shelf < kShelves; ++shelf) {
        const int cell = column * kShelves + shelf;
        if (balls_[static_cast<size_t>(cell)] == kNoBall) {
            balls_[static_cast<size_t>(cell)] = kind;
            return cell;
        }
    }
    return -1;
}

}  // namespace tallimo
