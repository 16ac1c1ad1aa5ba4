#include "Apps/Tallimo/Truck.h"

#include <gtest/gtest.h>

namespace tallimo {
namespace {

RandomSource Constant(int value) {
    return [value] { return value; };
}

void FillColumn(Truck& truck, int column) {
    for (int shelf = 0; shelf < kShelves; ++shelf) truck.Land(column, 0);
}

TEST(TallimoTruck, SizeGivesColumnsAndCells) {
    EXPECT_EQ(Truck(2).CellCount(), 24);
    EXPECT_EQ(Truck(4).CellCount(), 48);
    EXPECT_EQ(Truck(4).Columns(), 12);
    EXPECT_EQ(TruckLeftEdge(3), 66);
    EXPECT_EQ(TruckWidth(4), 502);
}

TEST(TallimoTruck, BallsStackFromTheFloorOfTheirColumn) {
    Truck truck(2);
    EXPECT_EQ(truck.Land(2, 5), 8);
    EXPECT_EQ(truck.Land(2, 6), 9);
    EXPECT_EQ(truck.Ball(8), 5);
    EXPECT_EQ(truck.Ball(9), 6);
    EXPECT_EQ(truck.Ball(10), kNoBall);
    FillColumn(truck, 2);
    EXPECT_EQ(truck.Land(2, 1), -1);
    EXPECT_EQ(truck.Land(6, 1), -1);
    EXPECT_EQ(truck.Land(-1, 1), -1);
}

TEST(TallimoTruck, BallsOverAFullColumnTakeTheNearestWithRoom) {
    Truck truck(3);
    const int left = TruckLeftEdge(3);
    const int x = ColumnX(left, 4);
    FillColumn(truck, 4);
    EXPECT_EQ(truck.LandingColumn(x, left, Constant(1)), 5) << "odd draws look right first";
    EXPECT_EQ(truck.LandingColumn(x, left, Constant(2)), 3) << "even draws look left first";
    FillColumn(truck, 3);
    FillColumn(truck, 5);
    EXPECT_EQ(truck.LandingColumn(x, left, Constant(2)), 2);
    FillColumn(truck, 2);
    EXPECT_EQ(truck.LandingColumn(x, left, Constant(2)), 6) << "the left side ran out first";
}

TEST(TallimoTruck, LandingStaysInsideTheTruck) {
    Truck truck(2);
    const int left = TruckLeftEdge(2);
    EXPECT_EQ(truck.LandingColumn(left - 200, left, Constant(0)), 0);
    EXPECT_EQ(truck.LandingColumn(left + 5000, left, Constant(0)), 5);
    for (int column = 0; column < 5; ++column) FillColumn(truck, column);
    EXPECT_EQ(truck.LandingColumn(left, left, Constant(0)), 5) << "searches the whole truck";
    FillColumn(truck, 5);
    EXPECT_TRUE(truck.IsFull());
    EXPECT_EQ(truck.LandingColumn(left, left, Constant(0)), -1);
}

TEST(TallimoTruck, ColumnsLeaveAGapAfterEveryThree) {
    EXPECT_EQ(ColumnX(0, 0), 2);
    EXPECT_EQ(ColumnX(0, 2), 66);
    EXPECT_EQ(ColumnX(0, 3), 100);
    EXPECT_EQ(ColumnX(0, 11), 360);
    Truck truck(4);
    for (int column = 0; column < truck.Columns(); ++column) EXPECT_EQ(truck.ColumnAt(ColumnX(0, column), 0), column);
}

TEST(TallimoTruck, PatternDrawsKindsBelowTheCount) {
    Truck truck(4);
    int next = 0;
    truck.DrawPattern(7, [&next] { return next++; });
    for (int cell = 0; cell < truck.CellCount(); ++cell) EXPECT_EQ(truck.Pattern(cell), cell % 7);
}

}  // namespace
}  // namespace tallimo
