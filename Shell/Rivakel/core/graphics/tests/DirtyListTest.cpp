#include "core/graphics/DirtyList.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using platform::Rect;

TEST(DirtyList, RepeatOfTheLastRectangleIsStoredOnce) {
    CDirtyList list;
    EXPECT_FALSE(list.IsDirty());
    list.Add(1, 2, 3, 4);
    list.Add(1, 2, 3, 4);
    EXPECT_EQ(list.Rects().size(), 1u);
    EXPECT_EQ(list.Rects()[0], (Rect{1, 2, 4, 6}));
    list.Add(5, 5, 1, 1);
    list.Add(1, 2, 3, 4);
    EXPECT_EQ(list.Rects().size(), 3u);
    EXPECT_TRUE(list.IsDirty());
    list.Clear();
    EXPECT_FALSE(list.IsDirty());
    EXPECT_TRUE(list.Rects().empty());
}

TEST(DirtyList, TouchingBordersCountAsDirty) {
    CDirtyList list;
    EXPECT_FALSE(list.Overlaps({0, 0, 10, 10}));
    list.Add(10, 10, 5, 5);
    EXPECT_TRUE(list.Overlaps({0, 0, 10, 10}));
    EXPECT_TRUE(list.Overlaps({15, 15, 20, 20}));
    EXPECT_FALSE(list.Overlaps({16, 0, 20, 9}));
}

TEST(DirtyList, OnlyTheRectanglesMarkedSinceTheLastClearCount) {
    CDirtyList list;
    list.Add(500, 500, 10, 10);
    list.Add(0, 0, 2, 2);
    EXPECT_FALSE(list.Overlaps({100, 100, 200, 200}));  // between the two, touching neither
    list.Clear();
    list.Add(0, 0, 2, 2);
    EXPECT_FALSE(list.Overlaps({505, 505, 506, 506}));
    EXPECT_TRUE(list.Overlaps({2, 2, 3, 3}));
    list.Clear();
    EXPECT_FALSE(list.Overlaps({0, 0, 1, 1}));
}

TEST(DirtyList, OverflowKeepsEveryMarkedAreaCovered) {
    CDirtyList list;
    for (int i = 0; i <= static_cast<int>(CDirtyList::kCapacity); ++i) list.Add(i % 800, i / 800 * 40, 1, 1);
    list.Add(799, 571, 1, 1);
    EXPECT_LE(list.Rects().size(), CDirtyList::kCapacity);
    for (int i = 0; i <= static_cast<int>(CDirtyList::kCapacity); ++i) {
        const int x = i % 800, y = i / 800 * 40;
        ASSERT_TRUE(list.Overlaps({x, y, x + 1, y + 1})) << i;
    }
    EXPECT_TRUE(list.Overlaps({799, 571, 800, 572}));
}

TEST(DirtyList, HugeSizesDoNotWrapAround) {
    CDirtyList list;
    list.Add(INT_MAX - 1, 0, INT_MAX, 5);
    EXPECT_EQ(list.Rects()[0].right, INT_MAX);
    list.Add(INT_MIN, INT_MIN, -1, -1);
    EXPECT_EQ(list.Rects()[1].left, INT_MIN);
    EXPECT_TRUE(list.Merged({0, 0, 800, 572}).empty());
}

TEST(DirtyList, MergedCutsToTheWindowAndJoinsOverlaps) {
    CDirtyList list;
    list.Add(-10, -10, 20, 20);
    list.Add(5, 5, 10, 10);      // overlaps the first: joined only if no bigger than both
    list.Add(0, 0, 10, 10);      // inside the first's visible part
    list.Add(100, 100, 10, 10);  // apart
    list.Add(790, 560, 50, 50);
    const auto merged = list.Merged({0, 0, 800, 572});
    int64_t covered = 0;
    for (const Rect& r : merged) {
        EXPECT_GE(r.left, 0);
        EXPECT_LE(r.right, 800);
        EXPECT_LE(r.bottom, 572);
        covered += int64_t{r.Width()} * r.Height();
    }
    EXPECT_EQ(merged.size(), 4u);
    EXPECT_LE(covered, 100 + 100 + 100 + 10 * 12);
    for (const Rect probe : {Rect{0, 0, 1, 1}, Rect{14, 14, 15, 15}, Rect{100, 100, 101, 101}, Rect{799, 571, 800, 572}}) {
        bool found = false;
        for (const Rect& r : merged) found |= probe.left >= r.left && probe.right <= r.right && probe.top >= r.top && probe.bottom <= r.bottom;
        EXPECT_TRUE(found) << probe.left << "," << probe.top;
    }
}

}  // namespace
