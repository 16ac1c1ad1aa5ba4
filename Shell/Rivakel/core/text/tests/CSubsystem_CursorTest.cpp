#include "core/text/CSubsystem_Cursor.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

class FakeCursor : public platform::Cursor {};

// Loads every name except the ones listed as missing.
struct Loader {
    std::set<std::string> missing;
    std::unique_ptr<platform::Cursor> operator()(std::string_view name) const {
        if (missing.count(std::string(name)) != 0) return nullptr;
        return std::make_unique<FakeCursor>();
    }
};

TEST(CSubsystem_Cursor, StartsOnThePointerAndSelectsStockCursors) {
    std::vector<const platform::Cursor*> applied;
    CSubsystem_Cursor service(Loader{}, [&](const platform::Cursor* c) { applied.push_back(c); });
    ASSERT_NE(service.GetStockCursor(kCursorPointer), nullptr);
    EXPECT_EQ(service.CurrentCCursor(), service.GetStockCursor(kCursorPointer));
    EXPECT_EQ(service.GetStockCursor(kCursorHand)->Name(), "Hand.cur");
    EXPECT_EQ(service.SelectCursor(service.GetStockCursor(kCursorHand)), 0);
    EXPECT_EQ(service.CurrentCursor(), service.GetStockCursor(kCursorHand)->Handle());
    ASSERT_EQ(applied.size(), 2u);
    EXPECT_EQ(applied.back(), service.CurrentCursor());
}

TEST(CSubsystem_Cursor, BadIndexesAndMissingResourcesKeepTheCurrentCursor) {
    CSubsystem_Cursor service(Loader{{"NoLink.cur", "Custom.cur"}});
    EXPECT_EQ(service.GetStockCursor(6), nullptr);
    EXPECT_EQ(service.GetStockCursor(-1), nullptr);
    const CCursor* before = service.CurrentCCursor();
    EXPECT_EQ(service.SelectCursor(service.GetStockCursor(6)), 1);
    EXPECT_EQ(service.SelectCursor(service.GetStockCursor(kCursorNoLink)), 1);
    EXPECT_EQ(service.SelectCursor(service.CreateCursor("Custom.cur")), 1);
    EXPECT_EQ(service.CurrentCCursor(), before);
}

TEST(CSubsystem_Cursor, DeletingTheCurrentCursorFallsBackToThePointer) {
    CSubsystem_Cursor service(Loader{});
    CCursor* custom = service.CreateCursor("Custom.cur");
    ASSERT_EQ(service.SelectCursor(custom), 0);
    EXPECT_EQ(service.DeleteCursor(custom), 0);
    EXPECT_EQ(service.CurrentCCursor(), service.GetStockCursor(kCursorPointer));
    EXPECT_EQ(service.DeleteCursor(custom), 4);
    EXPECT_EQ(service.DeleteCursor(service.GetStockCursor(kCursorHand)), 4);
}

}  // namespace
