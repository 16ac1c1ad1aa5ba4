#include "Apps/Pellawick/tests/PellawickBot.h"

#include <algorithm>

namespace pellawick::test {
namespace {

constexpr int kLookMs = 40;
// After a throw the seller is busy for half a second.
constexpr int kThrowBusyMs = 520;
constexpr int kHoldMs = 40;

// The colours the bot knows the pictures by.
constexpr uint32_t kSellerShirt = 0xF7F7F2;
constexpr std::array<uint32_t, 3> kLitLamps = {0x339900, 0xFF9900, 0xD01E10};
constexpr uint32_t kPopcorn = 0xFFF3B8, kBun = 0xE0A050, kSausage = 0xB8452A;
constexpr uint32_t kBoardGreen = 0x00CC66;
constexpr uint32_t kDigitWhite = 0xFFFFFF;
constexpr int kBoardX = 110, kBoardY = 2;
constexpr int kBubbleX = 15, kBubbleY = -2, kFoodX = 9, kFoodY = 2;
// Where the seller's shirt shows in each of his pictures.
constexpr int kTorsoLeft = 10, kTorsoTop = 25, kTorsoRight = 32, kTorsoBottom = 55;

int ShirtOnStep(const PellawickView& view, const StadiumLayout& layout, int step) {
    const int x = SellerX(layout), y = SellerY(layout, step);
    return view.Count(kSellerShirt, x + kTorsoLeft, y + kTorsoTop, x + kTorsoRight, y + kTorsoBottom);
}

}  // namespace

bool PellawickBot::BigStadium() const {
    const StadiumLayout big = MakeLayout(true);
    for (int step = 0; step < kAisleSteps; ++step)
        if (ShirtOnStep(view_, big, step) > 20) return true;
    return false;
}

std::vector<uint32_t> PellawickBot::StockDigits(int food) const {
    std::vector<uint32_t> digits;
    const int x = kBoardX + 141 + 47 * food, y = kBoardY + 2;
    for (int dy = 0; dy < 16; ++dy)
        for (int dx = 4; dx < 32; ++dx) digits.push_back(view_.Pixel(x + dx, y + dy) == kDigitWhite ? 1 : 0);
    return digits;
}

SeenStadium PellawickBot::Look() const {
    SeenStadium seen;
    const StadiumLayout layout = MakeLayout(BigStadium());
    int best = 0;
    for (int step = 0; step < kAisleSteps; ++step) {
        const int shirt = ShirtOnStep(view_, layout, step);
        if (shirt > best) best = shirt, seen.sellerStep = step;
    }
    seen.foodTypes = 0;
    for (int food = 0; food < 3; ++food) {
        const int x = kBoardX + 151 + 47 * food, y = kBoardY + 46;
        if (view_.Count(kBoardGreen, x, y, x + 22, y + 20) < 22 * 20) seen.foodTypes = food + 1;
    }
    seen.selected = selected_;
    for (int food = 0; food < 3; ++food) {
        const bool full = !full_[static_cast<size_t>(food)].empty() && StockDigits(food) == full_[static_cast<size_t>(food)];
        seen.stock[static_cast<size_t>(food)] = full ? 10 : std::max(0, 10 - thrown_[static_cast<size_t>(food)]);
    }
    for (const RowPlace& row : layout.rows) {
        for (int seat = 0; seat < row.seats; ++seat) {
            const int bx = CustomerX(row, seat) + kBubbleX, by = CustomerY(row) + kBubbleY;
            int lit = 0;
            for (int lamp = 0; lamp < 6; ++lamp) {
                const uint32_t c = view_.Pixel(bx + 8 + lamp * 39 / 10, by + 19);
                if (std::find(kLitLamps.begin(), kLitLamps.end(), c) != kLitLamps.end()) ++lit;
            }
            if (lit == 0) continue;
            const int fx = bx + kFoodX, fy = by + kFoodY;
            int food = 1;
            if (view_.Count(kPopcorn, fx, fy, fx + 16, fy + 16) > 3) food = 0;
            else if (view_.Count(kBun, fx, fy, fx + 16, fy + 16) + view_.Count(kSausage, fx, fy, fx + 16, fy + 16) > 3)
                food = 2;
            seen.wishes.push_back({row.step, row.side, food, 6 - lit});
        }
    }
    return seen;
}

void PellawickBot::Press(pellawick::Press press) {
    switch (press) {
        case pellawick::Press::Nothing: view_.Wait(kLookMs); return;
        case pellawick::Press::Up: view_.HoldKey(kUpKey, kHoldMs); return;
        case pellawick::Press::Down: view_.HoldKey(kDownKey, kHoldMs); return;
        case pellawick::Press::SelectPopcorn: selected_ = 0; view_.Key('A'); return;
        case pellawick::Press::SelectCola: selected_ = 1; view_.Key('S'); return;
        case pellawick::Press::SelectThird: selected_ = 2; view_.Key('D'); return;
        case pellawick::Press::Left:
        case pellawick::Press::Right:
            view_.HoldKey(press == pellawick::Press::Left ? kLeftKey : kRightKey, kHoldMs);
            ++thrown_[static_cast<size_t>(selected_)];
            ++serves_;
            view_.Wait(kThrowBusyMs);
            return;
    }
}

PanelSeen PellawickBot::PlayInning(int maxMs) {
    view_.Key(kSpace);
    view_.Wait(kLookMs);
    // The inning starts with every stock full: the digits to watch for at the supply stand.
    for (int food = 0; food < 3; ++food) full_[static_cast<size_t>(food)] = StockDigits(food);
    thrown_ = {};
    selected_ = 0;
    for (int waited = 0; waited < maxMs;) {
        if (const PanelSeen panel = view_.Panel(); panel != PanelSeen::None) return panel;
        const SeenStadium seen = Look();
        for (int food = 0; food < 3; ++food)
            if (seen.stock[static_cast<size_t>(food)] == 10) thrown_[static_cast<size_t>(food)] = 0;
        const pellawick::Press press = planner_.Next(seen);
        Press(press);
        waited += press == pellawick::Press::Left || press == pellawick::Press::Right ? kThrowBusyMs : kLookMs;
    }
    return PanelSeen::None;
}

PanelSeen PellawickBot::WaitForPanel(int maxMs) {
    for (int waited = 0; waited < maxMs; waited += kLookMs) {
        if (const PanelSeen panel = view_.Panel(); panel != PanelSeen::None) return panel;
        view_.Wait(kLookMs);
    }
    return PanelSeen::None;
}

PanelSeen PellawickBot::Continue() {
    view_.Key(kSpace);
    view_.Wait(kLookMs);
    return view_.Panel();
}

void PellawickBot::ThrowAtNobody() {
    const SeenStadium seen = Look();
    view_.HoldKey(seen.sellerStep == 0 ? kUpKey : kLeftKey, kHoldMs);
    if (seen.sellerStep == 0) view_.HoldKey(kLeftKey, kHoldMs);
}

}  // namespace pellawick::test
