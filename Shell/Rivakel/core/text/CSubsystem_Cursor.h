// The cursor service: the six stock cursors, cursors made by name, and the current cursor,
// which the main loop applies to the window on every mouse move.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "core/text/CCursor.h"
#include "platform/Platform.h"

enum StockCursor : int {
    kCursorPointer = 0,
    kCursorHand = 1,
    kCursorNoLink = 2,
    kCursorOpenHand = 3,
    kCursorClosedHand = 4,
    kCursorHourGlass = 5,
};
inline constexpr std::array<std::string_view, 6> kStockCursorNames = {
    "Pointer.cur", "Hand.cur", "NoLink.cur", "OpenHand.cur", "ClosedHand.cur", "HourGlass.cur",
};

class CSubsystem_Cursor {
public:
    // Makes the platform cursor of a named cursor resource; null when there is none.
    using CursorLoader = std::function<std::unique_ptr<platform::Cursor>(std::string_view name)>;
    // Shows a cursor on the window (null: the arrow).
    using CursorApplier = std::function<void(const platform::Cursor*)>;

    // Loads the stock cursors in index order and selects the pointer.
    explicit CSubsystem_Cursor(CursorLoader loader, CursorApplier applier = {});
    ~CSubsystem_Cursor();
    CSubsystem_Cursor(const CSubsystem_Cursor&) = delete;
    CSubsystem_Cursor& operator=(const CSubsystem_Cursor&) = delete;

    // A new cursor kept in the created list (one internal reference, the list's); never null,
    // though its handle is null when the resource is missing.
    CCursor* CreateCursor(std::string_view name);
    // Drops the list's reference; 0, or 4 for a cursor that is not in the list.
    int DeleteCursor(CCursor* cursor);
    // Null outside 0 to 5.
    CCursor* GetStockCursor(int index) const;
    // 1 when the cursor or its handle is missing (the current cursor stays); else 0.
    int SelectCursor(CCursor* cursor);

    // The cursor the window shows; null is the arrow.
    const platform::Cursor* CurrentCursor() const { return current_ != nullptr ? current_->Handle() : nullptr; }
    CCursor* CurrentCCursor() const { return current_; }
    void SetApplier(CursorApplier applier) { applier_ = std::move(applier); }

private:
    CursorLoader loader_;
    CursorApplier applier_;
    std::vector<CCursor*> created_;
    std::vector<CCursor*> stock_;
    CCursor* current_ = nullptr;  // one internal reference while set
};
