#include "Apps/Tallimo/tests/TallimoBot.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tallimo::test {
namespace {

constexpr uint32_t kRing = 0xFFC21A, kRingEdge = 0x9A6A00;
constexpr int kVkLeft = 0x25, kVkRight = 0x27;
// Levels 19 to 21 by the level table: needed, per ball, per extra ball, perfect bonus.
constexpr int kRates[3][4] = {{40, 40, 320, 800}, {38, 40, 400, 900}, {36, 50, 720, 1000}};
const int* RatesOf(int level) { return kRates[std::clamp(level, 19, 21) - 19]; }

bool IsGrey(uint32_t p) { return (p >> 16) == ((p >> 8) & 0xFF) && ((p >> 8) & 0xFF) == (p & 0xFF); }

float Luma(uint32_t p) {
    return 0.3f * static_cast<float>(p >> 16) + 0.59f * static_cast<float>((p >> 8) & 0xFF) +
           0.11f * static_cast<float>(p & 0xFF);
}

float Distance(const GreyHistogram& a, const GreyHistogram& b) {
    float d = 0;
    for (size_t i = 0; i < a.size(); ++i) d += std::fabs(a[i] - b[i]);
    return d;
}

}  // namespace

int TallimoView::CellsFramed(uint32_t colour) const {
    int framed = 0;
    for (int column = 0; column < kColumns; ++column) {
        for (int shelf = 0; shelf < kShelves; ++shelf) framed += CellCorner(column, shelf) == colour ? 1 : 0;
    }
    return framed;
}

int TallimoView::LivesShown() const {
    int lives = 0;
    for (int i = 0; i < 4; ++i) lives += Count(kLivesRed, 410 + 22 * i, 56, 432 + 22 * i, 70) > 10 ? 1 : 0;
    return lives;
}

// Inside the ring only; a pattern cell's greys are kept, a coloured ball's turned grey.
GreyHistogram TallimoView::Greys(int x, int y) const {
    GreyHistogram histogram{};
    float total = 0;
    for (int dy = 0; dy < 32; ++dy) {
        for (int dx = 0; dx < 32; ++dx) {
            const float ox = static_cast<float>(dx) - 15.5f, oy = static_cast<float>(dy) - 15.5f;
            if (ox * ox + oy * oy > 12.5f * 12.5f) continue;
            const uint32_t p = Pixel(x + dx, y + dy);
            const bool panel = !IsGrey(p) && (p >> 16) > 0xC0 && (p & 0xFF) > 0xC8 && (p >> 16) < (p & 0xFF);
            if (p == kYard || p == kRing || p == kRingEdge || panel) continue;
            const float grey = IsGrey(p) && y >= kTruckTop ? static_cast<float>(p & 0xFF) : 40 + 0.75f * Luma(p);
            histogram[static_cast<size_t>(std::clamp(grey, 0.0f, 255.0f)) / 16] += 1;
            total += 1;
        }
    }
    if (total > 0) {
        for (float& bin : histogram) bin /= total;
    }
    return histogram;
}

std::optional<std::array<int, 2>> TallimoView::SteeredBall() const {
    int left = 500, right = -1, top = 420, bottom = -1;
    for (int y = 40; y < kTruckTop; ++y) {
        for (int x = 0; x < 400; ++x) {
            if (Pixel(x, y) != kRing) continue;
            left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    if (right < 0 || right - left < 24) return std::nullopt;
    return std::array<int, 2>{(left + right) / 2 - 15, (top + bottom) / 2 - 15};
}

int TallimoBot::Paid(int level, int matches) {
    const int* rate = RatesOf(level);
    const int paid = rate[1] * std::min(matches, rate[0]) + rate[2] * std::max(matches - rate[0], 0);
    return paid + (matches == kColumns * kShelves ? rate[3] : 0);
}

bool TallimoBot::PlayTruck(bool sort) {
    view_.Wait(2600);  // the truck drives in, the intro waits for a key
    introLine_.clear();
    for (int y = 120; y < 142; ++y) {
        for (int x = 100; x < 300; ++x) introLine_.push_back(view_.Pixel(x, y));
    }
    for (int column = 0; column < kColumns; ++column) {
        for (int shelf = 0; shelf < kShelves; ++shelf) {
            pattern_[static_cast<size_t>(column * kShelves + shelf)] =
                view_.Greys(TallimoView::CellX(column), TallimoView::CellY(shelf));
        }
    }
    filled_.fill(0);
    view_.Key(kSpace);
    view_.Wait(2200);  // the belt slides in
    for (int step = 0; step < 1500; ++step) {
        const auto ball = sort ? view_.SteeredBall() : std::nullopt;
        if (ball) {
            Sort(*ball);
        } else if (!sort) {
            view_.Key(kSpace);
        }
        view_.Wait(100);
        const int green = view_.CellsFramed(kMatchedGreen), red = view_.CellsFramed(kMissedRed);
        if (green + red == kColumns * kShelves) {
            view_.Wait(300);  // the verdict and the status bar follow the last cell
            lastMatches_ = view_.CellsFramed(kMatchedGreen);
            money_ += Paid(level_, lastMatches_);
            lastPassed_ = lastMatches_ >= RatesOf(level_)[0];
            if (lastPassed_) level_ = std::min(level_ + 1, 21);
            return true;
        }
    }
    return false;
}

// Steers the ball over the column whose next free cell's grey is nearest its own, and drops it.
void TallimoBot::Sort(const std::array<int, 2>& ball) {
    const GreyHistogram greys = view_.Greys(ball[0], ball[1]);
    int best = -1;
    float nearest = std::numeric_limits<float>::max();
    for (int column = 0; column < kColumns; ++column) {
        const int shelf = filled_[static_cast<size_t>(column)];
        if (shelf >= kShelves) continue;
        const float d = Distance(greys, pattern_[static_cast<size_t>(column * kShelves + shelf)]);
        if (d < nearest) nearest = d, best = column;
    }
    if (best < 0) return;
    const int current = std::clamp((ball[0] - 2) / 32, 0, kColumns - 1);
    for (int c = current; c < best; ++c) view_.Key(kVkRight);
    for (int c = current; c > best; --c) view_.Key(kVkLeft);
    view_.Key(kSpace);
    ++filled_[static_cast<size_t>(best)];
}

void TallimoBot::SendOff() {
    view_.Key(kSpace);
    view_.Wait(2600);
}

}  // namespace tallimo::test
