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

// The level table written out, so that the tally owes nothing to the game's own table.
struct Rates {
    int size, kinds, needed, perBall, perExtraBall, perfectBonus;
};
constexpr Rates kLevels[21] = {
    {2, 2, 18, 10, 60, 100},  {2, 3, 18, 15, 90, 150},  {2, 4, 20, 25, 100, 200}, {3, 3, 30, 15, 90, 150},
    {3, 4, 30, 15, 90, 150},  {4, 4, 42, 15, 90, 100},  {3, 5, 30, 30, 180, 200}, {3, 5, 30, 30, 180, 200},
    {4, 5, 42, 30, 180, 200}, {3, 6, 30, 40, 240, 300}, {3, 7, 30, 45, 270, 300}, {4, 6, 42, 30, 180, 200},
    {4, 7, 42, 50, 300, 300}, {4, 7, 42, 50, 300, 300}, {4, 7, 44, 50, 200, 400}, {4, 7, 42, 40, 240, 500},
    {4, 7, 44, 40, 160, 600}, {4, 7, 42, 40, 240, 700}, {4, 7, 40, 40, 320, 800}, {4, 7, 38, 40, 400, 900},
    {4, 7, 36, 50, 720, 1000},
};
const Rates& RatesOf(int level) { return kLevels[std::clamp(level, 1, 21) - 1]; }

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
// When the pattern lacks some of the level's kinds, a ball this far from every pattern grey is of
// one of those (a ball reads about 0.25 from its own grey, at most 0.6 while it rolls, and 1 from
// another).
constexpr float kOwnKind = 0.8f;
constexpr size_t kLookAhead = 2;
constexpr int kBeltEnd = 198;
// The bot acts every fifth look (100 ms) and looks every 20 ms.
constexpr int kActEvery = 5;

using Pattern = std::array<int, kMaxCells>;
// Balls in each column; columns the truck does not have stand full.
using Fill = std::array<int, kMaxColumns>;

int Top(const Pattern& pattern, const Fill& fill, int column) {
    return pattern[static_cast<size_t>(column * kShelves + fill[static_cast<size_t>(column)])];
}

// What a placement leaves for the balls after it: the chance that the next ball finds its grey on
// top of a column, and how many of each kind the two top rows still take.
float Outlook(const Pattern& pattern, const Fill& fill, const std::vector<float>& toCome) {
    std::vector<float> top(toCome.size()), second(toCome.size());
    float total = 0;
    for (const float count : toCome) total += std::max(count, 0.0f);
    for (int column = 0; column < kMaxColumns; ++column) {
        const int shelf = fill[static_cast<size_t>(column)];
        if (shelf < kShelves) top[static_cast<size_t>(Top(pattern, fill, column))] += 1;
        if (shelf + 1 < kShelves) second[static_cast<size_t>(pattern[static_cast<size_t>(column * kShelves + shelf + 1)])] += 1;
    }
    float outlook = 0;
    for (size_t kind = 0; kind < toCome.size(); ++kind) {
        if (toCome[kind] <= 0) continue;
        if (top[kind] > 0) outlook += toCome[kind] / std::max(total, 1.0f);
        outlook += std::min(top[kind] + second[kind], toCome[kind]) / 4;
    }
    return outlook;
}

// The column for balls[0] that gives the most matches over the balls seen, then the best outlook.
std::pair<float, int> Best(const Pattern& pattern, Fill& fill, std::span<const int> balls, std::vector<float>& toCome) {
    std::pair<float, int> best{-std::numeric_limits<float>::max(), -1};
    for (int column = 0; column < kMaxColumns; ++column) {
        int& shelf = fill[static_cast<size_t>(column)];
        if (shelf >= kShelves) continue;
        float value = Top(pattern, fill, column) == balls[0] ? 1.0f : 0.0f;
        ++shelf;
        if (balls.size() > 1) {
            float& next = toCome[static_cast<size_t>(balls[1])];
            next -= 1;
            value += Best(pattern, fill, balls.subspan(1), toCome).first;
            next += 1;
        } else {
            value += 0.3f * Outlook(pattern, fill, toCome);
        }
        --shelf;
        if (value > best.first) best = {value, column};
    }
    return best;
}

}  // namespace

int TallimoView::TruckLeft() const {
    for (int x = 0; x < 500; ++x) {
        if (Pixel(x, kTruckTop + 150) == kFloor) return x;
    }
    return -1;
}

int TallimoView::CellsFramed(uint32_t colour, int left, int columns) const {
    int framed = 0;
    for (int column = 0; column < columns; ++column) {
        for (int shelf = 0; shelf < kShelves; ++shelf) framed += CellCorner(left, column, shelf) == colour ? 1 : 0;
    }
    return framed;
}

std::vector<uint32_t> TallimoView::MoneyShown() const {
    const GameAreaFrame frame = Presented();
    std::vector<uint32_t> pixels;
    for (int y = 100; y < 127; ++y) {
        for (int x = 400; x < 500; ++x) pixels.push_back(frame.Pixel(x, y));
    }
    return pixels;
}

int TallimoView::LivesShown() const {
    int lives = 0;
    for (int i = 0; i < 4; ++i) lives += Count(kLivesRed, 410 + 22 * i, 56, 432 + 22 * i, 70) > 10 ? 1 : 0;
    return lives;
}

// Inside the ring only; a pattern cell's greys are kept, a coloured ball's turned grey.
GreyHistogram TallimoView::Greys(int x, int y) const {
    const GameAreaFrame frame = Presented();
    GreyHistogram histogram{};
    float total = 0;
    for (int dy = 0; dy < 32; ++dy) {
        for (int dx = 0; dx < 32; ++dx) {
            const float ox = static_cast<float>(dx) - 15.5f, oy = static_cast<float>(dy) - 15.5f;
            if (ox * ox + oy * oy > 12.5f * 12.5f) continue;
            const uint32_t p = frame.Pixel(x + dx, y + dy);
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
    const GameAreaFrame frame = Presented();
    std::vector<uint32_t> pixels;
    for (int dy = 0; dy < 32; ++dy) {
        for (int dx = 0; dx < 32; ++dx) pixels.push_back(frame.Pixel(x + dx, y + dy));
    }
    return pixels;
}

std::optional<std::array<int, 2>> TallimoView::SteeredBall() const {
    const GameAreaFrame frame = Presented();
    int left = 500, right = -1, top = 420, bottom = -1;
    for (int y = 0; y < kTruckTop; ++y) {
        for (int x = 0; x < 400; ++x) {
            if (frame.Pixel(x, y) != kRing) continue;
            left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    if (right < 0 || right - left < 24) return std::nullopt;
    return std::array<int, 2>{(left + right) / 2 - 15, (top + bottom) / 2 - 15};
}

std::vector<std::array<int, 2>> TallimoView::BeltBalls() const {
    const GameAreaFrame frame = Presented();
    constexpr int kRight = kBeltEnd + 34;
    std::array<bool, kRight> occupied{};
    for (int x = 0; x < kRight; ++x) {
        for (int y = 10; y < 28 && !occupied[static_cast<size_t>(x)]; y += 2) occupied[static_cast<size_t>(x)] = frame.Pixel(x, y) != kYard;
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
        if (occupied[static_cast<size_t>(left - 1)] || x - left < 12 || ballX < 0 || ballX >= kBeltEnd) continue;
        balls.push_back({ballX, 3});
    }
    std::ranges::reverse(balls);
    return balls;
}

int TallimoBot::Paid(int matches) const {
    const Rates& rates = RatesOf(level_);
    const int paid = rates.perBall * std::min(matches, rates.needed) + rates.perExtraBall * std::max(matches - rates.needed, 0);
    return paid + (matches == Cells() ? rates.perfectBonus : 0);
}

bool TallimoBot::PlayTruck(bool sort) {
    view_.Wait(2600);  // the truck drives in, the intro waits for a key
    introLine_.clear();
    for (int y = 120; y < 142; ++y) {
        for (int x = 0; x < 400; ++x) introLine_.push_back(view_.Pixel(x, y));
    }
    ReadTruck();
    seenLanded_ = predicted_ = 0;
    greenSeen_ = redSeen_ = cellsWatched_ = moneyMissteps_ = 0;
    view_.Key(kSpace);
    view_.Wait(2200);  // the belt slides in
    moneySeen_ = view_.MoneyShown();
    // Looks come at most 60 ms apart (a key runs the game that long), so between two of them the
    // check, a cell every 75 ms, frames one cell at most.
    for (int look = 0; look < 10000; ++look) {
        const bool checking = greenSeen_ + redSeen_ > 0;
        if (!checking && look % kActEvery == 0) {
            // The steered ball sorted, or the next whole ball taken off the belt.
            if (!sort) {
                view_.Key(kSpace);
            } else if (const auto ball = view_.SteeredBall()) {
                Sort(*ball);
            } else {
                TakeNextOffTheBelt();
            }
        } else {
            view_.Wait(20);
            if (dropped_ >= 0) seenLanded_ += Changed(dropped_) ? 1 : 0;
            dropped_ = -1;
        }
        if (!Watch()) continue;
        lastMatches_ = greenSeen_;
        view_.Wait(300);  // the verdict and the status bar follow the last cell
        money_ += Paid(lastMatches_);
        lastPassed_ = lastMatches_ >= RatesOf(level_).needed;
        if (LastPerfect()) view_.Wait(2000);  // the lives blink
        if (lastPassed_) level_ = std::min(level_ + 1, 21);
        return true;
    }
    return false;
}

bool TallimoBot::Watch() {
    const int left = view_.TruckLeft();
    if (left < 0) return false;
    const int green = view_.CellsFramed(kMatchedGreen, left, columns_), red = view_.CellsFramed(kMissedRed, left, columns_);
    std::vector<uint32_t> money = view_.MoneyShown();
    if (green + red == greenSeen_ + redSeen_ + 1) {
        ++cellsWatched_;
        if ((money != moneySeen_) != (green > greenSeen_)) ++moneyMissteps_;
    }
    greenSeen_ = green, redSeen_ = red;
    moneySeen_ = std::move(money);
    return green + red == Cells();
}

// The truck's place and its greys told apart.
void TallimoBot::ReadTruck() {
    left_ = view_.TruckLeft();
    columns_ = 3 * RatesOf(level_).size;
    kinds_.clear();
    for (int cell = 0; cell < Cells(); ++cell) {
        const int x = TallimoView::CellX(left_, cell / kShelves), y = TallimoView::CellY(cell % kShelves);
        const GreyHistogram greys = view_.Greys(x, y);
        auto same = std::ranges::find_if(kinds_, [&](const GreyHistogram& kind) { return Distance(kind, greys) < kSameGrey; });
        if (same == kinds_.end()) same = kinds_.insert(kinds_.end(), greys);
        pattern_[static_cast<size_t>(cell)] = static_cast<int>(same - kinds_.begin());
        intro_[static_cast<size_t>(cell)] = view_.Pixels(x, y);
    }
    patternKinds_ = static_cast<int>(kinds_.size());
    ahead_.clear();
    filled_.fill(kShelves);
    std::fill_n(filled_.begin(), columns_, 0);
}

int TallimoBot::KindOf(int x, int y) {
    const GreyHistogram greys = view_.Greys(x, y);
    const auto nearest = std::ranges::min_element(kinds_, {}, [&](const GreyHistogram& kind) { return Distance(kind, greys); });
    const bool patternHasEveryKind = patternKinds_ >= RatesOf(level_).kinds;
    if (nearest != kinds_.end() && (patternHasEveryKind || Distance(*nearest, greys) < kOwnKind)) {
        return static_cast<int>(nearest - kinds_.begin());
    }
    kinds_.push_back(greys);
    return static_cast<int>(kinds_.size()) - 1;
}

// Read on the belt, where only the yard is behind them: the ball taken off and those after it.
void TallimoBot::TakeNextOffTheBelt() {
    ahead_.clear();
    for (const auto& ball : view_.BeltBalls()) {
        if (ahead_.size() > kLookAhead) break;
        ahead_.push_back(KindOf(ball[0], ball[1]));
    }
    if (!ahead_.empty()) view_.Key(kSpace);
}

// Plans the steered ball with the balls the belt shows next, the balls not yet seen coming in
// every kind of the level alike, steers it over the chosen column and drops it. A ball that left
// the belt by itself is read where it falls, past the belt's end.
void TallimoBot::Sort(const std::array<int, 2>& ball) {
    std::vector<int> balls = std::exchange(ahead_, {});
    if (balls.empty()) {
        balls.push_back(KindOf(ball[0], ball[1]));
        for (const auto& next : view_.BeltBalls()) {
            if (balls.size() > kLookAhead) break;
            balls.push_back(KindOf(next[0], next[1]));
        }
    }
    int placed = 0;
    for (int column = 0; column < columns_; ++column) placed += filled_[static_cast<size_t>(column)];
    const float unseen = static_cast<float>(std::max(Cells() - placed - static_cast<int>(balls.size()), 0)) /
                         static_cast<float>(RatesOf(level_).kinds);
    std::vector<float> toCome(kinds_.size(), unseen);
    for (size_t i = 1; i < balls.size(); ++i) toCome[static_cast<size_t>(balls[i])] += 1;
    const int best = Best(pattern_, filled_, balls, toCome).second;
    if (best < 0) return;
    const int current = std::clamp((ball[0] - left_ - 2) / 32, 0, columns_ - 1);
    for (int c = current; c < best; ++c) view_.Key(kVkRight);
    for (int c = current; c > best; --c) view_.Key(kVkLeft);
    view_.Key(kSpace);
    predicted_ += Top(pattern_, filled_, best) == balls[0] ? 1 : 0;
    dropped_ = best * kShelves + filled_[static_cast<size_t>(best)];
    ++filled_[static_cast<size_t>(best)];
}

bool TallimoBot::Changed(int cell) const {
    const std::vector<uint32_t> now = view_.Pixels(TallimoView::CellX(left_, cell / kShelves), TallimoView::CellY(cell % kShelves));
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
