// The crowd: each customer's states, hunger, being served, and what the crowd does together.
#include <algorithm>

#include "Apps/Pellawick/Stadium.h"

namespace pellawick {
namespace {

constexpr int kIdleChance = 800;
constexpr int kBonusThrowChance = 200;
constexpr int kHungerChance = 2400;
// The bonus level's foul balls grow from one in eight throws to every throw over this long.
constexpr int kBonusRamp = 30000;
constexpr int kBonusOdds = 8;
constexpr int kFedDelay = 721;
constexpr int kStandDelay = 2000;
constexpr int kSitDelay = 5000;
constexpr int kShortStateTime = 1000;
constexpr int kBubbleSteps = 6;
constexpr float kBallFactor = 1.5f;
constexpr float kGameOverFoodFactor = 2.0f;
constexpr int kWaveReach = 40;
constexpr int kWaveChance = 40;
constexpr int kGameOverDelay = 1000;
constexpr int kCheerWordPairs = 9;

PointF Offset(PointF p, float dx, float dy) { return {p.x + dx, p.y + dy}; }

}  // namespace

void Stadium::EnterCustomerState(Customer& c, int state, int now) {
    if (state == 7 && c.state != 7) {
        Play(Sound::OneWantsFood);
        lastHungerStart_ = now;
    }
    c.state = state;
    c.stateSince = now;
}

int Stadium::BubbleOf(const Customer& c, int now) const {
    if (c.state != 7) return -1;
    const int left = kBubbleSteps - kBubbleSteps * (now - c.stateSince) / std::max(1, values_.totalPatience);
    return left < 0 ? -1 : kBubbleSteps - left;
}

void Stadium::UpdateCustomer(Customer& c, int now) {
    const int elapsed = now - c.stateSince;
    const int rowStep = layout_.rows[static_cast<size_t>(c.row)].step;
    switch (c.state) {
        case 0:
            if (rand_() % kIdleChance == 0) {
                EnterCustomerState(c, 1, now);
            } else if (IsBonus() && rand_() % kBonusThrowChance == 0) {
                const int odds = std::max(1, kBonusOdds - kBonusOdds * (now - levelStart_) / kBonusRamp);
                if (rand_() % odds != 0) {
                    Throw(ItemKind::Money, 0, Offset(c.at, 10, 20), kSellerTarget, Offset(seller_.at, 8, 20), rowStep,
                          values_.throwSpeed, now);
                } else {
                    Throw(ItemKind::Ball, 0, Offset(c.at, 5, -5), kSellerTarget, Offset(seller_.at, 8, 20), rowStep,
                          kBallFactor, now);
                    EnterCustomerState(c, 8, now);
                }
            }
            break;
        case 1:
        case 9:
            if (elapsed >= kShortStateTime) EnterCustomerState(c, 0, now);
            break;
        case 2:
            if (elapsed > kStandDelay && rand_() % 100 < elapsed - kStandDelay) EnterCustomerState(c, 3, now);
            break;
        case 3:
            if (elapsed >= kSitDelay) EnterCustomerState(c, 0, now);
            break;
        case 6:
            if (elapsed >= kFedDelay) Settle(c, now);
            break;
        case 7:
            if (BubbleOf(c, now) < 0) {
                strikeReason_ = StrikeReason::TooSlow;
                ClearItems();
                c.wanted = kWantsNothing;
                Throw(ItemKind::Ball, 0, Offset(c.at, 5, -5), kSellerTarget, Offset(seller_.at, 10, 20), kAnyStep,
                      kBallFactor, now);
                EnterCustomerState(c, 8, now);
            }
            break;
        case 8:
            if (elapsed >= kShortStateTime) EnterCustomerState(c, 9, now);
            break;
        default: break;
    }
}

void Stadium::Settle(Customer& c, int now) {
    const int rowStep = layout_.rows[static_cast<size_t>(c.row)].step;
    if (c.wanted == kWantsNothing || c.wanted != c.foodReceived) {
        strikeReason_ = c.wanted == kWantsNothing ? StrikeReason::WantedNothing : StrikeReason::WrongFood;
        EnterSellerState(SellerState::BeenHit, now);
        Throw(ItemKind::Food, c.foodReceived, Offset(c.at, 8, 5), kSellerTarget, Offset(seller_.at, 8, 8), kAnyStep,
              values_.throwSpeed, now);
    } else if (++served_ >= values_.customersToServe) {
        AddPoints();
        Win(now);
    } else {
        Throw(ItemKind::Money, 0, Offset(c.at, 10, 20), kSellerTarget, Offset(seller_.at, 8, 20), rowStep,
              values_.throwSpeed, now);
    }
    // Served or not, the wish is spent: food thrown to this customer again is a strike.
    c.wanted = kWantsNothing;
    EnterCustomerState(c, 9, now);
}

void Stadium::CustomerHit(Customer& c, const ThrownItem& item, int now) {
    if (waveRunning_) return;
    if (!seller_.outOfPlay) {
        c.foodReceived = item.food;
        EnterCustomerState(c, 6, now);
        return;
    }
    if (item.food == c.wanted) AddPoints();
}

void Stadium::StartHunger(int now) {
    if (won_ || waveRunning_ || IsBonus() || seller_.outOfPlay || panelOpen_ ||
        seller_.state == SellerState::GameOver)
        return;
    const int since = now - lastHungerStart_;
    const bool chance = rand_() % kHungerChance == 0 && since > values_.minTimeBetweenCustomers;
    if (chance || since > values_.maxTimeBetweenCustomers) {
        MakeHungry(rand_() % static_cast<int>(layout_.rows.size()), now);
    }
}

void Stadium::MakeHungry(int row, int now) {
    const std::vector<int>& seats = seats_[static_cast<size_t>(row)];
    const int count = static_cast<int>(seats.size());
    const int first = rand_() % count;
    for (int i = 0; i < count; ++i) {
        Customer& c = customers_[static_cast<size_t>(seats[static_cast<size_t>((first + i) % count)])];
        if (c.state != 0) continue;
        c.wanted = rand_() % std::clamp(values_.foodTypes, 1, kMaxFoodTypes);
        EnterCustomerState(c, 7, now);
        return;
    }
}

void Stadium::CrowdCheer(int now) {
    if (panelOpen_) return;
    for (Customer& c : customers_) EnterCustomerState(c, 2, now);
}

void Stadium::CrowdCheerWords() {
    for (Customer& c : customers_) c.cheerWords = rand_() % kCheerWordPairs;
}

void Stadium::CrowdGameOver(int now) {
    for (Customer& c : customers_) {
        c.wanted = kWantsNothing;
        c.throwAt = now + rand_() % kGameOverDelay;
    }
}

void Stadium::GameOverThrows(int now) {
    for (Customer& c : customers_) {
        if (c.throwAt < 0 || now < c.throwAt) continue;
        c.throwAt = -1;
        const int food = rand_() % kMaxFoodTypes;
        const float x = seller_.at.x + static_cast<float>(rand_() % 30 - 5);
        const float y = seller_.at.y + static_cast<float>(rand_() % 30 + 45);
        Throw(ItemKind::Food, food, Offset(c.at, 5, -5), kSellerTarget, {x, y}, kAnyStep, kGameOverFoodFactor, now);
        EnterCustomerState(c, 8, now);
    }
}

void Stadium::CrowdWave(int front, int now) {
    for (Customer& c : customers_) {
        c.wanted = kWantsNothing;
        if (c.state == 2 || c.state == 3) continue;
        const int behind = front - static_cast<int>(c.at.x);
        if (behind >= kWaveReach || (behind > 0 && rand_() % kWaveChance == 0)) EnterCustomerState(c, 2, now);
    }
}

int Stadium::RowOf(int step, Side side) const {
    for (size_t r = 0; r < layout_.rows.size(); ++r) {
        if (layout_.rows[r].step == step && layout_.rows[r].side == side) return static_cast<int>(r);
    }
    return -1;
}

int Stadium::FindWaiting(int row, int food) const {
    int best = -1;
    for (const int index : seats_[static_cast<size_t>(row)]) {
        const Customer& c = customers_[static_cast<size_t>(index)];
        if (c.state != 7 || c.wanted != food) continue;
        if (best < 0 || c.stateSince < customers_[static_cast<size_t>(best)].stateSince) best = index;
    }
    return best;
}

int Stadium::RandomCustomer(int row) const {
    const std::vector<int>& seats = seats_[static_cast<size_t>(row)];
    if (seats.empty()) return -1;
    return seats[static_cast<size_t>(rand_() % static_cast<int>(seats.size()))];
}

}  // namespace pellawick
