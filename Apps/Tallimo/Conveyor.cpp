#include "Apps/Tallimo/Conveyor.h"

#include <algorithm>
#include <utility>

namespace tallimo {
namespace {

constexpr int kTopY = 3;

int64_t Elapsed(int64_t now, int64_t since) { return std::max<int64_t>(now - since, 0); }

}  // namespace

int LandingDepth(int kind) { return kind == 1 || kind == 2 ? 212 : kFallHeight; }

Conveyor::Conveyor(const TruckLevel& level, Truck& truck, RandomSource rand)
    : level_(level),
      truck_(truck),
      rand_(std::move(rand)),
      leftEdge_(TruckLeftEdge(level.truckSize)),
      toEnter_(truck.CellCount()) {
    level_.kinds = std::max(level_.kinds, 1);
    level_.beltMs = std::max(level_.beltMs, 1);
    level_.fallMs = std::max(level_.fallMs, 1);
}

std::vector<Landing> Conveyor::Tick(int64_t now) {
    std::vector<Landing> landed;
    for (auto ball = belt_.begin(); ball != belt_.end();) {
        ball->x = static_cast<int>(Elapsed(now, ball->since) * kBeltLength / level_.beltMs) - kCellSize;
        if (ball->x < kBeltLength) {
            ++ball;
            continue;
        }
        ball->x = kBeltLength;
        StartFalling(*ball, now);
        ball = belt_.erase(ball);
    }
    for (auto ball = falling_.begin(); ball != falling_.end();) {
        ball->y = static_cast<int>(Elapsed(now, ball->since) * kFallHeight / level_.fallMs) + kTopY;
        if (ball->y < LandingDepth(ball->kind)) {
            ++ball;
            continue;
        }
        landed.push_back(LandBall(*ball));
        if (ball == falling_.begin()) steeredColumn_ = -1;
        ball = falling_.erase(ball);
    }
    if (steeredColumn_ < 0 && !falling_.empty()) {
        steeredColumn_ = truck_.ColumnAt(falling_.front().x, leftEdge_);
    }
    Enter(now);
    return landed;
}

void Conveyor::Enter(int64_t now) {
    if (toEnter_ == 0) return;
    int startX = -kCellSize;
    if (!belt_.empty()) {
        const int newestX = belt_.back().x;
        if (newestX <= level_.spacing) return;
        startX = newestX - level_.spacing - kCellSize;
    }
    MovingBall ball;
    ball.kind = rand_() % level_.kinds;
    --toEnter_;
    ball.x = startX;
    // Backdated so the belt formula puts it at startX now.
    ball.since = now - static_cast<int64_t>(startX + kCellSize) * level_.beltMs / kBeltLength;
    belt_.push_back(ball);
}

void Conveyor::StartFalling(MovingBall ball, int64_t now) {
    ball.falling = true;
    ball.since = now;
    ball.y = kTopY;
    falling_.push_back(ball);
    if (falling_.size() == 1) {
        steeredColumn_ = truck_.ColumnAt(ball.x, leftEdge_);
    }
}

Landing Conveyor::LandBall(const MovingBall& ball) {
    const int column = truck_.LandingColumn(ball.x, leftEdge_, rand_);
    return {truck_.Land(column, ball.kind), ball.kind};
}

void Conveyor::Move(int step, int64_t now) {
    if (falling_.empty()) {
        if (belt_.empty()) return;
        StartFalling(belt_.front(), now);
        belt_.erase(belt_.begin());
        return;
    }
    steeredColumn_ = std::clamp(steeredColumn_ + step, 0, truck_.Columns() - 1);
    falling_.front().x = ColumnX(leftEdge_, steeredColumn_);
}

std::vector<Landing> Conveyor::Drop(int64_t now) {
    if (falling_.empty()) {
        Move(0, now);
        return {};
    }
    MovingBall ball = falling_.front();
    falling_.erase(falling_.begin());
    ball.x = ColumnX(leftEdge_, steeredColumn_);
    steeredColumn_ = -1;
    if (!falling_.empty()) {
        steeredColumn_ = truck_.ColumnAt(falling_.front().x, leftEdge_);
    }
    return {LandBall(ball)};
}

bool Conveyor::Finished() const { return toEnter_ == 0 && belt_.empty() && falling_.empty(); }

int Conveyor::SteeredColumn() const { return steeredColumn_; }

}  // namespace tallimo
