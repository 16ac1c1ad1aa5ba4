#include "Apps/Glimtide/tests/GlimtideBot.h"

#include <algorithm>

namespace glimtide::test {
namespace {

constexpr int kHues = 6;
// Each palette colour as the screen shows it at full brightness (six bits a channel).
constexpr uint32_t kFull[kHues] = {0xFC0000, 0x00FC00, 0x3030FC, 0xFCFC00, 0xFC00FC, 0xFCFCFC};
constexpr uint32_t kStatusYellow = 0xFFFF00;
constexpr int kBarTop = 342;
// A look at the sky twice a tick sees every tick's frame, however the loop spaces the ticks.
constexpr uint32_t kLookMs = 25;
constexpr int32_t kShowGapMs = 1500;
// Small bursts of a rocket's rockets come after its own, before the next rocket's.
constexpr int32_t kSubBurstsFromMs = 250, kSubBurstsUntilMs = 1450;
// An icon of a burst into rockets lights fewer pixels than one of a plain burst.
constexpr int kPlainIconPixels = 350;

Hue HueOf(uint32_t pixel) {
    const int r = static_cast<int>(pixel >> 16 & 0xFF), g = static_cast<int>(pixel >> 8 & 0xFF),
              b = static_cast<int>(pixel & 0xFF);
    if (r == 0 && g == 0 && b == 0) return Hue::None;
    if (g == 0 && b == 0) return Hue::Red;
    if (r == 0 && b == 0) return Hue::Green;
    if (r == g && b == 0) return Hue::Yellow;
    if (r == b && g == 0) return Hue::Magenta;
    if (r == g && g == b) return Hue::White;
    if (r == g && b > r) return Hue::Blue;
    return Hue::None;
}

}  // namespace

void GlimtideBot::ReadIcons() {
    icons_.clear();
    const GameAreaFrame frame = session_.Presented();
    for (int cell = 0; cell < 8; ++cell) {
        std::array<int, kHues> counts{};
        int lit = 0;
        for (int y = kBarTop + 7; y < kBarTop + 41; ++y) {
            for (int x = 50 * cell + 7; x < 50 * cell + 43; ++x) {
                const Hue hue = HueOf(frame.Pixel(x, y));
                if (hue == Hue::None) continue;
                ++counts[static_cast<size_t>(hue)];
                ++lit;
            }
        }
        if (lit == 0) break;
        const auto most = std::max_element(counts.begin(), counts.end());
        icons_.push_back({static_cast<Hue>(most - counts.begin()), lit < kPlainIconPixels});
    }
}

std::array<bool, 6> GlimtideBot::BurstHues() const {
    std::array<bool, kHues> seen{};
    const GameAreaFrame frame = session_.Presented();
    // A burst is a 2x2 block, so every second row and column finds it; the bar is below 340.
    for (int y = 0; y < 336; y += 2) {
        for (int x = 0; x < 500; x += 2) {
            const uint32_t pixel = frame.Pixel(x, y);
            if (pixel == 0) continue;
            for (int h = 0; h < kHues; ++h) seen[static_cast<size_t>(h)] |= pixel == kFull[h];
        }
    }
    return seen;
}

void GlimtideBot::Look() {
    session_.Wait(kLookMs);
    history_.push_back({session_.ClockMs(), BurstHues()});
}

std::array<bool, 6> GlimtideBot::HuesBetween(uint32_t from, int32_t fromMs, int32_t untilMs) const {
    std::array<bool, kHues> seen{};
    for (const SkyLook& look : history_) {
        const auto after = static_cast<int32_t>(look.ms - from);
        if (after < fromMs || after > untilMs) continue;
        for (size_t h = 0; h < seen.size(); ++h) seen[h] |= look.hues[h];
    }
    return seen;
}

std::vector<uint32_t> GlimtideBot::StatusLine() const {
    std::vector<uint32_t> text;
    const GameAreaFrame frame = session_.Presented();
    for (int y = 400; y < 420; ++y)
        for (int x = 0; x < 250; ++x) text.push_back(frame.Pixel(x, y) == kStatusYellow ? 1u : 0u);
    return text;
}

bool GlimtideBot::WaitForStatusChange(uint32_t maxMs) {
    const std::vector<uint32_t> before = StatusLine();
    for (uint32_t waited = 0; waited < maxMs; waited += kLookMs) {
        session_.Wait(kLookMs);
        if (StatusLine() != before) return true;
    }
    return false;
}

int GlimtideBot::ChoiceFor(Hue hue, bool burstsIntoRockets) const {
    int byHue = -1;
    for (size_t i = 0; i < icons_.size(); ++i) {
        if (icons_[i].hue != hue) continue;
        if (icons_[i].burstsIntoRockets == burstsIntoRockets) return static_cast<int>(i);
        byHue = static_cast<int>(i);
    }
    return byHue;
}

std::optional<std::vector<int>> GlimtideBot::WatchShow(int length) {
    // The show's first burst: the first full-brightness colour in the sky from now on. The rest
    // come at the launches' pace after it.
    history_.clear();
    const auto anyHue = [](const std::array<bool, kHues>& hues) {
        return std::any_of(hues.begin(), hues.end(), [](bool b) { return b; });
    };
    for (uint32_t waited = 0; history_.empty() || !anyHue(history_.back().hues); waited += kLookMs) {
        if (waited > 10000) return std::nullopt;
        Look();
    }
    const uint32_t first = history_.back().ms;
    const int32_t lastSubBurst = kShowGapMs * (length - 1) + kSubBurstsUntilMs;
    while (static_cast<int32_t>(history_.back().ms - first) <= lastSubBurst) Look();

    std::vector<int> seen;
    Hue previous = Hue::None;
    bool previousBurstsIntoRockets = false;
    for (int k = 0; k < length; ++k) {
        const int32_t at = kShowGapMs * k;
        // The tick of the burst, seen by the looks around it.
        const auto hues = HuesBetween(first, at - static_cast<int32_t>(kLookMs), at + static_cast<int32_t>(kLookMs));
        std::vector<Hue> candidates;
        for (int h = 0; h < kHues; ++h)
            if (hues[static_cast<size_t>(h)]) candidates.push_back(static_cast<Hue>(h));
        // A small burst of the last rocket's rockets may come in the same tick.
        if (candidates.size() > 1 && previousBurstsIntoRockets) std::erase(candidates, previous);
        if (candidates.empty()) return std::nullopt;
        const Hue hue = candidates.front();
        const bool intoRockets = HuesBetween(first, at + kSubBurstsFromMs, at + kSubBurstsUntilMs)[static_cast<size_t>(hue)];
        const int choice = ChoiceFor(hue, intoRockets);
        if (choice < 0) return std::nullopt;
        seen.push_back(choice);
        previous = hue;
        previousBurstsIntoRockets = intoRockets;
    }
    return seen;
}

bool GlimtideBot::Repeat(const std::vector<int>& sequence) {
    for (const int choice : sequence) {
        session_.ClickIcon(choice);
        if (session_.PanelUp()) {
            ++mistakes_;
            return false;
        }
    }
    return true;
}

bool GlimtideBot::PlayUntil(int length) {
    // A person reads the welcome first; by then the first rocket is due at once.
    session_.Wait(1500);
    ReadIcons();
    if (icons_.empty()) return false;
    session_.Key(kSpace);
    for (int stage = 1;; ++stage) {
        const std::vector<uint32_t> watching = StatusLine();
        const auto sequence = WatchShow(stage);
        if (!sequence) return false;
        // The player's turn is announced on the status line.
        if (StatusLine() == watching && !WaitForStatusChange(10000)) return false;
        if (stage == length) {
            last_ = *sequence;
            return true;
        }
        if (!Repeat(*sequence)) return false;
        // The next, longer show starts once the sky is dark again.
        if (!WaitForStatusChange(50000)) return false;
    }
}

void GlimtideBot::LoseOnPurpose() {
    const int wrong = last_.empty() ? 0 : (last_.front() + 1) % static_cast<int>(icons_.size());
    for (int attempt = 0; attempt < 3; ++attempt) {
        session_.ClickIcon(wrong);
        if (attempt == 2) break;
        // The try-again panel: the show runs again, then it is the player's turn once more.
        session_.Key(kSpace);
        const std::vector<uint32_t> watching = StatusLine();
        for (int i = 0; i < 4000 && StatusLine() == watching; ++i) session_.Wait(kLookMs);
    }
}

}  // namespace glimtide::test
