#include "Apps/Tallimo/tests/TallimoBot.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <utility>

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

// Two cells of one grey differ only by the shelf behind them.
constexpr float kSameGrey = 0.2f;
// A ball clear of the belt, so the belt's balls can be read.
constexpr int kBelowBelt = 32;
constexpr size_t kLookAhead = 2;
constexpr int kBeltEnd = 198;

using Pattern = std::array<int, kColumns * kShelves>;
using Fill = std::array<int, kColumns>;

int Top(const Pattern& pattern, const Fill& fill, int column) {
    return pattern[static_cast<size_t>(column * kShelves + fill[static_cast<size_t>(column)])];
}

// What a placement leaves for the balls after it: the chance that the next ball finds its grey on
// top of a column, and how many of each kind the two top rows still take.
float Outlook(const Pattern& pattern, const Fill& fill, const std::vector<int>& toCome) {
    std::vector<int> top(toCome.size()), second(toCome.size());
    int total = 0;
    for (const int count : toCome) total += std::max(count, 0);
    for (int column = 0; column < kColumns; ++column) {
        const int shelf = fill[static_cast<size_t>(column)];
        if (shelf < kShelves) ++top[static_cast<size_t>(Top(pattern, fill, column))];
        if (shelf + 1 < kShelves) ++second[static_cast<size_t>(pattern[static_cast<size_t>(column * kShelves + shelf + 1)])];
    }
    float outlook = 0;
    for (size_t kind = 0; kind < toCome.size(); ++kind) {
        if (toCome[kind] <= 0) continue;
        if (top[kind] > 0) outlook += static_cast<float>(toCome[kind]) / static_cast<float>(std::max(total, 1));
        outlook += static_cast<float>(std::min(top[kind] + second[kind], toCome[kind])) / 4;
    }
    return outlook;
}

// The column for balls[0] that gives the most matches over the balls seen, then the best outlook.
std::pair<float, int> Best(const Pattern& pattern, Fill& fill, std::span<const int> balls, std::vector<int>& toCome) {
    std::pair<float, int> best{-std::numeric_limits<float>::max(), -1};
    for (int column = 0; column < kColumns; ++column) {
        int& shelf = fill[static_cast<size_t>(column)];
        if (shelf >= kShelves) continue;
        float value = Top(pattern, fill, column) == balls[0] ? 1.0f : 0.0f;
        ++shelf;
        if (balls.size() > 1) {
            int& next = toCome[static_cast<size_t>(balls[1])];
            --next;
            value += Best(pattern, fill, balls.subspan(1), toCome).first;
            ++next;
        } else {
            value += 0.3f * Outlook(pattern, fill, toCome);
        }
        --shelf;
        if (value > best.first) best = {value, column};
    }
    return best;
}

}  // namespace

int TallimoView::TruckShift() const {
    for (int x = 0; x < 500; ++x) {
        if (Pixel(x, kTruckTop + 150) == kFloor) return x;
    }
    return -1;
}

int TallimoView::CellsFramed(uint32_t colour, int shift) const {
    int framed = 0;
    for (int column = 0; column < kColumns; ++column) {
        for (int shelf = 0; shelf < kShelves; ++shelf) framed += CellCorner(column, shelf, shift) == colour ? 1 : 0;
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

std::vector<uint32_t> TallimoView::Pixels(int x, int y) const {
    std::vector<uint32_t> pixels;
    for (int dy = 0; dy < 32; ++dy) {
        for (int dx = 0; dx < 32; ++dx) pixels.push_back(Pixel(x + dx, y + dy));
    }
    return pixels;
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

std::vector<std::array<int, 2>> TallimoView::BeltBalls() const {
    constexpr int kRight = kBeltEnd + 34;
    std::array<bool, kRight> occupied{};
    for (int x = 0; x < kRight; ++x) {
        for (int y = 10; y < 28 && !occupied[static_cast<size_t>(x)]; y += 2) occupied[static_cast<size_t>(x)] = Pixel(x, y) != kYard;
    }
    std::vector<std::array<int, 2>> balls;
    for (int x = 1; x < kRight;) {
        if (!occupied[static_cast<size_t>(x)]) {
            ++x;
            continue;
        }
        const int left = x;
        while (x < kRight && occupied[static_cast<size_t>(x)]) ++x;
        const int ballX = (left + x) / 2 - 16;
        if (occupied[static_cast<size_t>(left - 1)] || x - left < 12 || ballX >= kBeltEnd) continue;
        balls.push_back({ballX, 3});
    }
    std::ranges::reverse(balls);
    return balls;
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
        for (int x = 0; x < 400; ++x) introLine_.push_back(view_.Pixel(x, y));
    }
    ReadPattern();
    seenLanded_ = 0;
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
        if (dropped_ >= 0) seenLanded_ += Changed(dropped_) ? 1 : 0;
        dropped_ = -1;
        // A passed truck drives out as soon as its last cell is framed.
        const int shift = view_.TruckShift();
        if (shift < 0 || shift > 100) continue;
        const int green = view_.CellsFramed(kMatchedGreen, shift), red = view_.CellsFramed(kMissedRed, shift);
        if (green + red == kColumns * kShelves) {
            lastMatches_ = green;
            view_.Wait(300);  // the verdict and the status bar follow the last cell
            money_ += Paid(level_, lastMatches_);
            lastPassed_ = lastMatches_ >= RatesOf(level_)[0];
            if (LastPerfect()) view_.Wait(2000);  // the lives blink
            if (lastPassed_) level_ = std::min(level_ + 1, 21);
            return true;
        }
    }
    return false;
}

// The truck's greys told apart; each kind comes as often as the pattern shows it.
void TallimoBot::ReadPattern() {
    kinds_.clear();
    for (int cell = 0; cell < kColumns * kShelves; ++cell) {
        const GreyHistogram greys = view_.Greys(TallimoView::CellX(cell / kShelves), TallimoView::CellY(cell % kShelves));
        auto same = std::ranges::find_if(kinds_, [&](const GreyHistogram& kind) { return Distance(kind, greys) < kSameGrey; });
        if (same == kinds_.end()) same = kinds_.insert(kinds_.end(), greys);
        pattern_[static_cast<size_t>(cell)] = static_cast<int>(same - kinds_.begin());
        intro_[static_cast<size_t>(cell)] = view_.Pixels(TallimoView::CellX(cell / kShelves), TallimoView::CellY(cell % kShelves));
    }
    toCome_.assign(kinds_.size(), 0);
    for (const int kind : pattern_) ++toCome_[static_cast<size_t>(kind)];
    filled_.fill(0);
}

int TallimoBot::KindOf(int x, int y) const {
    const GreyHistogram greys = view_.Greys(x, y);
    const auto nearest = std::ranges::min_element(kinds_, {}, [&](const GreyHistogram& kind) { return Distance(kind, greys); });
    return static_cast<int>(nearest - kinds_.begin());
}

// Once the ball is below the belt: plans it with the balls the belt shows next, steers it over
// the chosen column and drops it.
void TallimoBot::Sort(const std::array<int, 2>& ball) {
    if (ball[1] < kBelowBelt) return;
    std::vector<int> balls{KindOf(ball[0], ball[1])};
    for (const auto& next : view_.BeltBalls()) {
        if (balls.size() > kLookAhead) break;
        balls.push_back(KindOf(next[0], next[1]));
    }
    --toCome_[static_cast<size_t>(balls[0])];
    const int best = Best(pattern_, filled_, balls, toCome_).second;
    if (best < 0) return;
    const int current = std::clamp((ball[0] - 2) / 32, 0, kColumns - 1);
    for (int c = current; c < best; ++c) view_.Key(kVkRight);
    for (int c = current; c > best; --c) view_.Key(kVkLeft);
    view_.Key(kSpace);
    dropped_ = best * kShelves + filled_[static_cast<size_t>(best)];
    ++filled_[static_cast<size_t>(best)];
}

bool TallimoBot::Changed(int cell) const {
    const std::vector<uint32_t> now = view_.Pixels(TallimoView::CellX(cell / kShelves), TallimoView::CellY(cell % kShelves));
    const std::vector<uint32_t>& before = intro_[static_cast<size_t>(cell)];
    int changed = 0;
    for (size_t i = 0; i < now.size(); ++i) changed += now[i] != before[i] ? 1 : 0;
    return changed > 200;
}

void TallimoBot::SendOff() {
    view_.Key(kSpace);
    view_.Wait(2600);
}

}  // namespace tallimo::test
