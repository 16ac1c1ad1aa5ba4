#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

#include "core/store/RdtNode.h"

namespace {

constexpr platform::Rect kUsable{0, 0, 1280, 1000};
constexpr WindowSizeTable kSizes{800, 572, 500, 420};

std::unique_ptr<RdtNode> User(const char* x, const char* y) {
    auto user = std::make_unique<RdtNode>("User");
    if (x) user->AddChild("WindowXLoc")->SetText(x);
    if (y) user->AddChild("WindowYLoc")->SetText(y);
    return user;
}

TEST(StoredWindowPosition, StoredPlaceInsideTheScreenIsKept) {
    EXPECT_EQ(StoredWindowPosition(User("100", "50").get(), kUsable, kSizes), (platform::Point{100, 50}));
}

TEST(StoredWindowPosition, OffScreenOrHugeValuesAreBroughtBack) {
    EXPECT_EQ(StoredWindowPosition(User("-400", "-9").get(), kUsable, kSizes), (platform::Point{0, 0}));
    EXPECT_EQ(StoredWindowPosition(User("5000", "1099511627776").get(), kUsable, kSizes),
              (platform::Point{480, 428}));
    EXPECT_EQ(StoredWindowPosition(User("junk", "12abc").get(), kUsable, kSizes), (platform::Point{0, 12}));
}

TEST(StoredWindowPosition, ScreenSmallerThanTheWindowPinsItsCorner) {
    const platform::Rect small{10, 20, 600, 400};
    EXPECT_EQ(StoredWindowPosition(User("300", "300").get(), small, kSizes), (platform::Point{10, 20}));
}

TEST(StoredWindowPosition, OneValueAloneOrNoUserCentres) {
    EXPECT_FALSE(StoredWindowPosition(User("100", nullptr).get(), kUsable, kSizes));
    EXPECT_FALSE(StoredWindowPosition(User(nullptr, "100").get(), kUsable, kSizes));
    EXPECT_FALSE(StoredWindowPosition(nullptr, kUsable, kSizes));
}

TEST(StoreWindowPosition, DraggedPlaceReadsBackAndReplacesTheOldOne) {
    auto user = User("1", "2");
    StoreWindowPosition(user.get(), {-30, 640});
    StoreWindowPosition(user.get(), {120, 75});
    StoreWindowPosition(nullptr, {5, 5});
    EXPECT_EQ(StoredWindowPosition(user.get(), kUsable, kSizes), (platform::Point{120, 75}));
    EXPECT_EQ(user->ChildCount(), 2u);
}

}  // namespace
