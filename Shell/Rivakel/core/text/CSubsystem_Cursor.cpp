#include "core/text/CSubsystem_Cursor.h"

#include <algorithm>

#include "core/base/Log.h"

namespace {

// Holds a reference on the current cursor so that deleting it cannot leave the window a
// dangling handle.
void Replace(CCursor*& slot, CCursor* cursor) {
    if (cursor != nullptr) cursor->AddInternalRef();
    if (slot != nullptr) slot->ReleaseInternalRef();
    slot = cursor;
}

}  // namespace

CSubsystem_Cursor::CSubsystem_Cursor(CursorLoader loader, CursorApplier applier)
    : loader_(std::move(loader)), applier_(std::move(applier)) {
    created_.reserve(6);
    stock_.reserve(kStockCursorNames.size());
    for (const std::string_view name : kStockCursorNames) {
        auto* cursor = new CCursor(name, loader_ ? loader_(name) : nullptr);
        if (cursor->Handle() == nullptr) {
            Warning("CSubsystem_Cursor: no cursor \"%.*s\"", static_cast<int>(name.size()), name.data());
        }
        cursor->AddInternalRef();
        stock_.push_back(cursor);
    }
    SelectCursor(stock_[kCursorPointer]);
}

CSubsystem_Cursor::~CSubsystem_Cursor() {
    Replace(current_, nullptr);
    for (CCursor* cursor : stock_) cursor->ReleaseInternalRef();
    for (CCursor* cursor : created_) cursor->ReleaseInternalRef();
}

CCursor* CSubsystem_Cursor::CreateCursor(std::string_view name) {
    auto* cursor = new CCursor(name, loader_ ? loader_(name) : nullptr);
    cursor->AddInternalRef();
    created_.push_back(cursor);
    return cursor;
}

int CSubsystem_Cursor::DeleteCursor(CCursor* cursor) {
    const auto found = std::find(created_.begin(), created_.end(), cursor);
    if (found == created_.end()) {
        Error("Error - unrecognized Cursor passed to CSubsystem_Cursor::DeleteCursor");
        return 4;
    }
    created_.erase(found);
    if (current_ == cursor && SelectCursor(stock_[kCursorPointer]) != 0) {
        Replace(current_, nullptr);
        if (applier_) applier_(nullptr);
    }
    cursor->ReleaseInternalRef();
    return 0;
}

CCursor* CSubsystem_Cursor::GetStockCursor(int index) const {
    if (index < 0 || index >= static_cast<int>(stock_.size())) return nullptr;
    return stock_[static_cast<size_t>(index)];
}

int CSubsystem_Cursor::SelectCursor(CCursor* cursor) {
    if (cursor == nullptr || cursor->Handle() == nullptr) return 1;
    Replace(current_, cursor);
    if (applier_) applier_(cursor->Handle());
    return 0;
}
