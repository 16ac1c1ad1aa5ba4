// The seller: walking the aisle, throwing and serving, restocking at the bottom step, being hit,
// and the points and lives it keeps.
#include <algorithm>
#include <utility>

#include "Apps/Pellawick/Stadium.h"

namespace pellawick {
namespace {

constexpr int kStepTime = 500;
constexpr int kServeDelay = 300;
constexpr int kThrowTime = 500;
constexpr int kRestockInterval = 200;
constexpr int kFallTime = 1400;
constexpr int kGameOverTime = 4000;
constexpr int kThumbsUpTime = 2500;
constexpr int kPoints = 100;
constexpr int kPointsPerLife = 10000;

bool Throwing(SellerState state) { return state == SellerState::ThrowLeft || state == SellerState::ThrowRight; }

PointF Offset(PointF p, float dx, float dy) { return {p.x + dx, p.y + dy}; }

}  // namespace

void Stadium::EnterSellerState(SellerState state, int now) {
    if (seller_.state == SellerState::GameOver && !gameOverReported_) return;
    seller_.state = state;
    seller_.stateSince = now;
    seller_.serveDone = !Throwing(state);
    if (state == SellerState::Hit || state == SellerState::BeenHit || state == SellerState::ThumbsUp)
        seller_.outOfPlay = true;
    if (state == SellerState::Refuelling) seller_.lastRestock = now;
}

void Stadium::ResetSeller(int now) {
    seller_.state = SellerState::Standing;
    seller_.stateSince = now;
    for (int food = 0; food < kMaxFoodTypes; ++food)
        seller_.stock[static_cast<size_t>(food)] = food < values_.foodTypes ? kStockFull : 0;
    seller_.selected = 0;
    seller_.outOfPlay = false;
    seller_.serveDone = false;
    PlaceSeller(kAisleSteps - 1);
}

void Stadium::PlaceSeller(int step) {
    seller_.step = step;
    seller_.at = {static_cast<float>(SellerX(layout_)), static_cast<float>(SellerY(layout_, step))};
}

Report Stadium::UpdateSeller(int now) {
    std::erase_if(lying_, [this](const LyingMoney& m) { return m.step == seller_.step; });
    const int elapsed = now - seller_.stateSince;
    switch (seller_.state) {
        case SellerState::SteppedUp:
        case SellerState::SteppedDown:
            if (elapsed > kStepTime) EnterSellerState(SellerState::Standing, now);
            break;
        case SellerState::ThrowLeft:
        case SellerState::ThrowRight:
            if (elapsed > kServeDelay && !seller_.serveDone) {
                seller_.serveDone = true;
                Serve(now);
            }
            if (elapsed > kThrowTime) EnterSellerState(SellerState::Standing, now);
            break;
        case SellerState::Refuelling:
            if (now - seller_.lastRestock > kRestockInterval) Restock(now);
            break;
        case SellerState::Hit:
            if (elapsed <= kFallTime) break;
            if (IsBonus()) {
                afterThumbsUp_ = Report::BonusOver;
            } else if (--seller_.spareLives < 0) {
                CrowdGameOver(now);
                EnterSellerState(SellerState::GameOver, now);
                break;
            } else {
                afterThumbsUp_ = Report::Strike;
            }
            CrowdCheer(now);
            EnterSellerState(SellerState::ThumbsUp, now);
            break;
        case SellerState::GameOver:
            if (elapsed > kGameOverTime && !gameOverReported_) {
                gameOverReported_ = true;
                return Report::GameOver;
            }
            break;
        case SellerState::ThumbsUp:
            if (elapsed > kThumbsUpTime) return std::exchange(afterThumbsUp_, Report::None);
            break;
        default: break;
    }
    return Report::None;
}

void Stadium::Serve(int now) {
    const int row = RowOf(seller_.step, seller_.throwSide);
    if (row < 0) return;
    const int food = seller_.selected;
    int target = FindWaiting(row, food);
    for (int other = 0; target < 0 && other < kMaxFoodTypes; ++other) target = FindWaiting(row, other);
    const bool aimed = target >= 0;
    if (!aimed) target = RandomCustomer(row);
    if (target < 0) return;
    Customer& c = customers_[static_cast<size_t>(target)];
    Throw(ItemKind::Food, food, Offset(seller_.at, 10, 10), target, Offset(c.at, 10, 20), kAnyStep, values_.throwSpeed,
          now);
    if (aimed) EnterCustomerState(c, 4, now);
    --seller_.stock[static_cast<size_t>(food)];
}

void Stadium::Restock(int now) {
    seller_.lastRestock = now;
    const auto first = seller_.stock.begin();
    const auto lowest = std::min_element(first, first + std::clamp(values_.foodTypes, 1, kMaxFoodTypes));
    if (*lowest >= kStockFull) return;
    ++*lowest;
    Play(Sound::Restock);
}

void Stadium::MoveUp(int now) { StepTo(std::min(seller_.step + 1, kAisleSteps - 1), false, now); }

void Stadium::MoveDown(int now) { StepTo(std::max(seller_.step - 1, IsBonus() ? 1 : 0), true, now); }

void Stadium::StepTo(int step, bool down, int now) {
    if (seller_.outOfPlay || panelOpen_ || seller_.state == SellerState::GameOver) return;
    const bool moved = step != seller_.step;
    PlaceSeller(step);
    if (!down) EnterSellerState(SellerState::SteppedUp, now);
    else EnterSellerState(step == 0 ? SellerState::Refuelling : SellerState::SteppedDown, now);
    if (!moved) return;
    Play(Sound::PlayerMove);
    for (const LyingMoney& money : lying_) {
        if (money.step == step) AddPoints();
    }
    std::erase_if(lying_, [step](const LyingMoney& m) { return m.step == step; });
}

bool Stadium::Throw(Side side, int now) {
    const Seller& s = seller_;
    if (IsBonus() || panelOpen_ || s.outOfPlay || s.step == 0 || Throwing(s.state) ||
        s.state == SellerState::GameOver || (side == Side::Right && league_ == League::Little) ||
        s.stock[static_cast<size_t>(s.selected)] <= 0)
        return false;
    seller_.throwSide = side;
    EnterSellerState(side == Side::Left ? SellerState::ThrowLeft : SellerState::ThrowRight, now);
    return true;
}

bool Stadium::SelectFood(int food) {
    if (food < 0 || food >= values_.foodTypes) return false;
    seller_.selected = food;
    return true;
}

void Stadium::AddPoints() {
    Play(Sound::CatchMoney);
    const int before = seller_.score;
    seller_.score += kPoints;
    if (seller_.score % kPointsPerLife < before % kPointsPerLife) ++seller_.spareLives;
}

void Stadium::SellerHit(const ThrownItem& item, int now) {
    if (item.kind == ItemKind::Money) {
        AddPoints();
        return;
    }
    // Once the inning is won nothing still in the air can cost a life.
    if (seller_.state == SellerState::ThumbsUp) return;
    Play(Sound::PlayerHit);
    EnterSellerState(SellerState::Hit, now);
}

}  // namespace pellawick
