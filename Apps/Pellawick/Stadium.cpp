#include "Apps/Pellawick/Stadium.h"

#include <algorithm>
#include <utility>

namespace pellawick {
namespace {

constexpr int kMoneyLifetime = 1000;
constexpr int kBonusMoneyLifetime = 250;

}  // namespace

const char* SoundName(Sound sound) {
    switch (sound) {
        case Sound::OneWantsFood: return "snd-one_wants_food.wav";
        case Sound::Throw: return "snd-throw.wav";
        case Sound::PlayerHit: return "snd-player_hit.wav";
        case Sound::CatchMoney: return "snd-catch_money.wav";
        case Sound::Restock: return "snd-restock.wav";
        case Sound::PlayerMove: return "snd-player_move2.wav";
    }
    return "";
}

Stadium::Stadium(League league, League before, const RandomSource& rand)
    : rand_(rand),
      league_(league),
      before_(league == League::Bonus ? before : league),
      layout_(MakeLayout(before_ != League::Little)),
      values_(BuiltInLevels(static_cast<int>(before_))) {
    LegChooser legs;
    seats_.resize(layout_.rows.size());
    for (size_t r = 0; r < layout_.rows.size(); ++r) {
        const RowPlace& row = layout_.rows[r];
        for (int s = 0; s < row.seats; ++s) {
            Customer c;
            c.row = static_cast<int>(r);
            c.seat = s;
            c.at = {static_cast<float>(CustomerX(row, s)), static_cast<float>(CustomerY(row))};
            c.mirrored = row.side == Side::Right;
            c.look = rand_() & 3;
            c.scheme = rand_() % (c.look == 0 ? 3 : kSchemeCount);
            c.leg = legs.Choose(c.look, rand_);
            seats_[r].push_back(static_cast<int>(customers_.size()));
            customers_.push_back(c);
        }
    }
}

void Stadium::NewGame() {
    seller_.spareLives = 2;
    seller_.score = 0;
    seller_.wavesLeft = 3;
}

void Stadium::TakeSellerFrom(const Stadium& other) {
    seller_.spareLives = other.seller_.spareLives;
    seller_.score = other.seller_.score;
    seller_.wavesLeft = other.seller_.wavesLeft;
}

void Stadium::StartInning(int inning, const LevelValues& values, int now) {
    values_ = values;
    inning_ = inning;
    served_ = 0;
    won_ = false;
    afterThumbsUp_ = Report::None;
    gameOverReported_ = false;
    waveRunning_ = false;
    ClearItems();
    ResetSeller(now);
    for (Customer& c : customers_) {
        c.wanted = kWantsNothing;
        c.throwAt = -1;
        c.cheerWords = kNoCheerWords;
        EnterCustomerState(c, 0, now);
    }
    levelStart_ = now;
    lastHungerStart_ = now;
    ShowMessage(BoardMessage::InningStart);
}

Report Stadium::Update(int now) {
    if (panelOpen_) return Report::None;
    if (waveRunning_) {
        const int front = (now - waveStart_) * kWaveSpeed / 1000;
        if (front > kWaveEnd) {
            waveRunning_ = false;
            ShowMessage(BoardMessage::InningStart);
        } else {
            CrowdWave(front, now);
        }
    }
    GameOverThrows(now);
    if (const Report report = UpdateSeller(now); report != Report::None) return report;
    if (!seller_.outOfPlay) {
        for (Customer& c : customers_) {
            // A settled sale can put the seller out of play; the crowd stands still from there.
            if (seller_.outOfPlay) break;
            UpdateCustomer(c, now);
        }
    }
    UpdateItems(now);
    std::erase_if(lying_, [now](const LyingMoney& m) { return now - m.landed > m.lifetime; });
    StartHunger(now);
    return Report::None;
}

bool Stadium::StartWave(int now) {
    if (IsBonus() || waveRunning_ || seller_.outOfPlay || seller_.wavesLeft <= 0 || panelOpen_) return false;
    waveRunning_ = true;
    waveStart_ = now;
    ShowMessage(BoardMessage::Wave);
    --seller_.wavesLeft;
    return true;
}

Report Stadium::WinAtOnce(int now) {
    if (panelOpen_ || seller_.state == SellerState::GameOver) return Report::None;
    if (IsBonus()) return Report::BonusOver;
    Win(now);
    return std::exchange(afterThumbsUp_, Report::None);
}

void Stadium::Win(int now) {
    won_ = true;
    Report report = Report::InningWon;
    BoardMessage message = BoardMessage::InningWon;
    if (inning_ >= kInnings) {
        report = league_ == League::Major ? Report::GameWon : Report::LeagueWon;
        message = league_ == League::Major ? BoardMessage::GameWon : BoardMessage::LeagueWon;
    }
    ShowMessage(message);
    if (report == Report::GameWon) CrowdCheerWords();
    else CrowdCheer(now);
    EnterSellerState(SellerState::ThumbsUp, now);
    afterThumbsUp_ = report;
}

void Stadium::SetPanelOpen(bool open) {
    panelOpen_ = open;
    if (open) ClearItems();
}

void Stadium::ClearItems() {
    flying_.clear();
    lying_.clear();
}

int Stadium::Hungry() const {
    return static_cast<int>(std::count_if(customers_.begin(), customers_.end(),
                                          [](const Customer& c) { return c.state == 7; }));
}

std::vector<Sound> Stadium::TakeSounds() { return std::exchange(sounds_, {}); }

void Stadium::ShowMessage(BoardMessage message) {
    lastMessage_ = message;
    ++messagesShown_;
}

void Stadium::Throw(ItemKind kind, int food, PointF from, int target, PointF to, int expectedStep, float factor,
                    int now) {
    Play(Sound::Throw);
    const Flight flight(from, to, factor, values_.peakHeight, now);
    flying_.push_back({nextItemId_++, kind, food, flight, flight.At(now), target, expectedStep});
}

int Stadium::TargetStep(int target) const {
    if (target == kSellerTarget) return seller_.step;
    return layout_.rows[static_cast<size_t>(customers_[static_cast<size_t>(target)].row)].step;
}

void Stadium::UpdateItems(int now) {
    std::vector<ThrownItem> items = std::exchange(flying_, {});
    std::vector<ThrownItem> still;
    for (ThrownItem& item : items) {
        item.at = item.flight.At(now);
        if (!item.flight.Arrived(now)) {
            still.push_back(item);
            continue;
        }
        const bool caught = item.expectedStep == kAnyStep || item.expectedStep == TargetStep(item.target);
        if (caught && item.target == kSellerTarget) SellerHit(item, now);
        else if (caught) CustomerHit(customers_[static_cast<size_t>(item.target)], item, now);
        if (!caught && item.kind == ItemKind::Money) {
            lying_.push_back({item.id, item.expectedStep, item.at, now, IsBonus() ? kBonusMoneyLifetime : kMoneyLifetime});
        }
    }
    // Throws that the arrivals caused fly after the ones already in the air.
    still.insert(still.end(), flying_.begin(), flying_.end());
    flying_ = std::move(still);
}

}  // namespace pellawick
