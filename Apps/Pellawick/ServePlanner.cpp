#include "Apps/Pellawick/ServePlanner.h"

#include <algorithm>
#include <cstdlib>

namespace pellawick {
namespace {

constexpr int kFull = 10;
// A wish this far run down is served before the stock is topped up.
constexpr int kUrgentBubble = 3;

Press Select(int food) {
    return food == 0 ? Press::SelectPopcorn : food == 1 ? Press::SelectCola : Press::SelectThird;
}

Press Toward(int from, int to) { return to > from ? Press::Up : Press::Down; }

}  // namespace

Press ServePlanner::Next(const SeenStadium& seen) {
    if (!seen.sellerReady) return Press::Nothing;
    const auto urgency = [&seen](const SeenWish& w) {
        // The most run-down wish first; of equals, the nearest.
        return w.bubble * 10 - std::abs(w.step - seen.sellerStep);
    };
    const auto target = std::max_element(seen.wishes.begin(), seen.wishes.end(),
                                         [&](const SeenWish& a, const SeenWish& b) { return urgency(a) < urgency(b); });
    const bool urgent = target != seen.wishes.end() && target->bubble >= kUrgentBubble;
    const auto* const first = seen.stock.begin();
    const auto* const last = first + std::clamp(seen.foodTypes, 1, 3);
    const bool empty = target != seen.wishes.end() && seen.stock[static_cast<size_t>(target->food)] == 0;
    if (empty || (std::any_of(first, last, [](int s) { return s < kFull; }) && seen.wishes.empty())) {
        restocking_ = true;
    }
    if (restocking_ && (urgent && !empty)) restocking_ = false;
    if (restocking_) {
        if (std::all_of(first, last, [](int s) { return s >= kFull; })) restocking_ = false;
        else return seen.sellerStep > 0 ? Press::Down : Press::Nothing;
    }
    if (target == seen.wishes.end()) return Press::Nothing;
    if (target->food != seen.selected) return Select(target->food);
    if (target->step != seen.sellerStep) return Toward(seen.sellerStep, target->step);
    return target->side == Side::Left ? Press::Left : Press::Right;
}

}  // namespace pellawick
