#include "Apps/Vintrel/PondGame.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace vintrel {

namespace {

constexpr int kHoldRepeatMs = 10;
constexpr int kPanelAfterMs = 1000;
constexpr int kAngelMs = 2000;
constexpr int kAngelHalf = 9;
constexpr int kSwayLimit = 6;
constexpr int kLifeEveryGrowths = 3;

}  // namespace

PondGame::PondGame(RandomSource rand, bool immune) : rand_(std::move(rand)), immune_(immune) {
    player_.Reset(0);
    FillPond(0);
    nextAmbient_ = rand_() % 4000 + 3000;
}

void PondGame::FillPond(int64_t now) {
    const int count = 2 * player_.Size() + 4;
    for (int i = 0; i < count; ++i) {
        AddBaddie(i < count / 3 ? BigSize() : SmallSize(), now);
    }
}

void PondGame::AddBaddie(int size, int64_t now) {
    baddies_.push_back(CBaddie::InPond(size, rand_, player_.X(), player_.Y(), now));
}

int PondGame::SmallSize() const { return rand_() % player_.Size() + 1; }

int PondGame::BigSize() const { return std::min(player_.Size() + 1, kMaxBaddieSize); }

int PondGame::CountNotBigger() const {
    return static_cast<int>(
        std::count_if(baddies_.begin(), baddies_.end(), [&](const CBaddie& b) { return b.Size() <= player_.Size(); }));
}

std::vector<PondNews> PondGame::Tick(int64_t now, const HeldArrows& held) {
    std::vector<PondNews> news;
    if (dying_) {
        Mourn(now, news);
        return news;
    }
    if (phase_ != PondPhase::Playing) {
        return news;
    }
    for (CBaddie& b : baddies_) {
        if (b.Step(now, rand_, false) == BaddieNews::SplashShown) {
            news.push_back(b.Size() > player_.Size() ? PondNews::SplashBigger : PondNews::SplashSmaller);
        }
    }
    SteerPlayer(now, held);
    player_.Move(now);
    Collide(now, news);
    if (!dying_ && now > nextAmbient_) {
        news.push_back(PondNews::Ambient);
        nextAmbient_ += rand_() % 4000 + 5000;
    }
    return news;
}

void PondGame::SteerPlayer(int64_t now, const HeldArrows& held) {
    const std::pair<Arrow, bool> keys[] = {
        {Arrow::Left, held.left}, {Arrow::Right, held.right}, {Arrow::Up, held.up}, {Arrow::Down, held.down}};
    const bool vertical = held.up || held.down;
    const bool horizontal = held.left || held.right;
    for (int i = 0; i < 4; ++i) {
        const auto [arrow, down] = keys[i];
        if (!down) {
            pressedAt_[i] = -1;
            continue;
        }
        const bool otherAxis = (arrow == Arrow::Left || arrow == Arrow::Right) ? vertical : horizontal;
        if (pressedAt_[i] < 0) {
            pressedAt_[i] = now;
            player_.Accelerate(arrow, otherAxis);
        } else if (now - pressedAt_[i] > kHoldRepeatMs) {
            player_.Accelerate(arrow, otherAxis);
        }
    }
}

void PondGame::Collide(int64_t now, std::vector<PondNews>& news) {
    const int edibleBefore = CountNotBigger();
    int eatenThisTick = 0;
    for (std::size_t i = 0; i < baddies_.size(); ++i) {
        const CBaddie& b = baddies_[i];
        if (!b.IsOut() || !player_.GetRect().Touches(b.GetRect())) {
            continue;
        }
        if (b.Size() > player_.Size()) {
            if (immune_) {
                continue;
            }
            Die(now, news);
            return;
        }
        const int size = b.Size();
        score_ += 10 * size;
        news.push_back(PondNews::Ate);
        const bool grows = player_.Eat(size);
        Replace(i, edibleBefore - eatenThisTick, now);
        ++eatenThisTick;
        if (grows) {
            GrowPlayer(now, news);
        }
    }
}

void PondGame::Replace(std::size_t slot, int edible, int64_t now) {
    const int size = player_.Size();
    int newSize = 0;
    if ((2 * size + 4) / 4 >= edible) {
        newSize = SmallSize();
    } else if (edible < static_cast<int>(baddies_.size()) * 3 / 4) {
        rand_();
        newSize = SmallSize();
    } else {
        newSize = BigSize();
    }
    baddies_[slot] = CBaddie::InPond(newSize, rand_, player_.X(), player_.Y(), now);
}

void PondGame::GrowPlayer(int64_t now, std::vector<PondNews>& news) {
    news.push_back(PondNews::Grew);
    const bool sizeChanged = player_.Grow();
    const auto addOne = [&] {
        const int size = player_.Size();
        const int edible = CountNotBigger();
        if (edible < (2 * size + 4) / 4) {
            AddBaddie(SmallSize(), now);
        } else if (edible > (6 * size + 12) / 4) {
            AddBaddie(BigSize(), now);
        } else {
            rand_();
            AddBaddie(SmallSize(), now);
        }
    };
    if (!sizeChanged) {
        addOne();
    }
    if (player_.Growths() % kLifeEveryGrowths == 0) {
        ++spareLives_;
        news.push_back(PondNews::ExtraLife);
    }
    addOne();
}

void PondGame::Die(int64_t now, std::vector<PondNews>& news) {
    --spareLives_;
    news.push_back(spareLives_ < 0 ? PondNews::LastLifeLost : PondNews::LifeLost);
    dying_ = true;
    panelOpened_ = false;
    deathTime_ = now;
    // The angel leaves from the middle of the blob.
    angel_ = {player_.CentreX() - kAngelHalf, player_.CentreY() - kAngelHalf};
    swayStep_ = 1;
    swayTotal_ = 0;
}

void PondGame::Mourn(int64_t now, std::vector<PondNews>& news) {
    const int64_t elapsed = now - deathTime_;
    if (elapsed <= kAngelMs) {
        angel_.y -= 1;
        angel_.x += static_cast<float>(swayStep_);
        swayTotal_ += swayStep_;
        if (std::abs(swayTotal_) >= kSwayLimit) {
            swayStep_ = -swayStep_;
        }
        if (swayRand_.Next() % 3 == 1) {
            angel_.x += 1;
        }
    }
    if (elapsed > kPanelAfterMs && !panelOpened_) {
        panelOpened_ = true;
        const bool over = spareLives_ < 0;
        phase_ = over ? PondPhase::AskingPlayAgain : PondPhase::AskingContinue;
        news.push_back(over ? PondNews::OpenPlayAgainPanel : PondNews::OpenContinuePanel);
    }
    if (elapsed > kAngelMs) {
        dying_ = false;
        news.push_back(PondNews::AngelGone);
    }
}

void PondGame::Continue(int64_t now) {
    if (phase_ != PondPhase::AskingContinue) {
        return;
    }
    // Whatever is left of the angel goes with the panel, so its own timeout finds nothing to remove.
    dying_ = false;
    phase_ = PondPhase::Playing;
    baddies_.clear();
    player_.Recentre(now);
    FillPond(now);
}

}  // namespace vintrel
