#include "app/WindowPlacement.h"

#include <algorithm>
#include <string>

#include "core/base/Strings.h"
#include "core/store/RdtNode.h"

namespace {

std::optional<int> StoredNumber(const RdtNode& user, std::string_view key) {
    const RdtNode* node = user.FindChild(key);
    if (!node || !node->Text()) return std::nullopt;
    return StrToInt(*node->Text());
}

int KeepInside(int value, int low, int high) { return high < low ? low : std::clamp(value, low, high); }

}  // namespace

std::optional<platform::Point> StoredWindowPosition(const RdtNode* user, const platform::Rect& usable,
                                                    const WindowSizeTable& sizes) {
    if (!user) return std::nullopt;
    std::optional<int> x = StoredNumber(*user, "WindowXLoc");
    std::optional<int> y = StoredNumber(*user, "WindowYLoc");
    if (!x || !y) return std::nullopt;
    return platform::Point{KeepInside(*x, usable.left, usable.right - sizes.windowWidth),
                           KeepInside(*y, usable.top, usable.bottom - sizes.windowHeight)};
}

void StoreWindowPosition(RdtNode* user, platform::Point topLeft) {
    if (!user) return;
    user->GetOrAddChild("WindowXLoc")->SetText(std::to_string(topLeft.x));
    user->GetOrAddChild("WindowYLoc")->SetText(std::to_string(topLeft.y));
}
