#include "Apps/Aurelsk/tests/AurelskBot.h"

#include <algorithm>
#include <cstdlib>

namespace aurelsk::test {
namespace {

// It looks every second tick of the game: a person does not see every frame either.
constexpr int kLookMs = 66;
constexpr int kStep = 4;
constexpr int kSeaTop = 60, kSeaBottom = 420, kSeaWidth = 500;
// The row it cruises in: low enough to touch treasure, high enough for its torpedoes to meet
// the lowest lane.
constexpr int kCruiseTop = 380;
constexpr int kSurfaceTop = 100;
constexpr int kHeldLeft = 1, kHeldRight = 2, kHeldUp = 4, kHeldDown = 8;
constexpr int kLowOxygen = 80;

}  // namespace

AurelskBot::Sight AurelskBot::Look() const {
    Sight s;
    s.left = kSeaWidth;
    s.top = kSeaBottom;
    for (int y = kSeaTop; y < kSeaBottom; y += kStep) {
        for (int x = 0; x < kSeaWidth; x += kStep) {
            const uint32_t p = view_.Pixel(x, y);
            if (p == kSubHull || p == kSubWarningHull) {
                s.sub = true;
                s.left = std::min(s.left, x);
                s.right = std::max(s.right, x);
                s.top = std::min(s.top, y);
                s.bottom = std::max(s.bottom, y);
            } else if (p == kPirateHull || p == kSharkSkin || p == kEnemyTorpedoGreen) {
                s.enemies.emplace_back(x, y);
            } else if (p == kGold && y >= 392) {
                s.treasures.push_back(x);
            }
        }
    }
    return s;
}

bool AurelskBot::Busy(const Sight& s, int top, int bottom, int reach) const {
    const int middle = (s.left + s.right) / 2;
    return std::ranges::any_of(s.enemies, [&](const auto& e) {
        return e.second >= top && e.second <= bottom && std::abs(e.first - middle) < reach;
    });
}

int AurelskBot::TargetSide(const Sight& s) const {
    const int middle = (s.left + s.right) / 2;
    int best = 0, bestDistance = 260;
    for (const auto& [x, y] : s.enemies) {
        // The torpedo flies 10 to 16 pixels below the hull's top; hull samples lie a little lower.
        if (y < s.top - 8 || y > s.top + 30) continue;
        const int distance = std::abs(x - middle);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = x < middle ? -1 : 1;
        }
    }
    return best;
}

void AurelskBot::Hold(int mask) {
    struct Arrow {
        int bit, key;
    };
    for (const Arrow a : {Arrow{kHeldLeft, kLeft}, Arrow{kHeldRight, kRight}, Arrow{kHeldUp, kUp}, Arrow{kHeldDown, kDown}}) {
        if ((mask & a.bit) && !(held_ & a.bit)) view_.KeyDown(a.key);
        if (!(mask & a.bit) && (held_ & a.bit)) view_.KeyUp(a.key);
    }
    held_ = mask;
    if (mask & kHeldLeft) facingRight_ = false;
    if (mask & kHeldRight) facingRight_ = true;
}

void AurelskBot::Decide(const Sight& s, int bankTarget, BotReport& report) {
    if (!s.sub) {  // between lives
        Hold(0);
        mode_ = Mode::Dive;
        return;
    }
    const int oxygen = view_.Oxygen();
    const int hold = view_.HoldLights();
    const bool surfaced = s.top <= kSurfaceTop;
    if (surfaced && lastHold_ > 0 && hold == 0) report.banked += lastHold_;
    lastHold_ = hold;
    const bool banking = report.banked < bankTarget;
    if (surfaced && oxygen < 180) report.surfacedTicks += kLookMs / 33;

    if (surfaced) lowestAtSurface_ = std::min(lowestAtSurface_, oxygen);
    if (mode_ == Mode::Breathe && oxygen >= 180) {
        if (lowestAtSurface_ < 90) ++report.lowRefills;
        lowestAtSurface_ = 180;
        mode_ = Mode::Dive;
    }
    if (mode_ == Mode::Rise && surfaced) mode_ = Mode::Breathe;
    if (mode_ == Mode::Dive && s.top >= kCruiseTop - 2) mode_ = Mode::Cruise;
    if (mode_ == Mode::Cruise && banking && (hold >= 2 || oxygen < kLowOxygen)) mode_ = Mode::Rise;

    // Something on the torpedo's line: turn to it and fire.
    const int side = TargetSide(s);
    if (side != 0 && fireCooldown_ <= 0) {
        const bool right = side > 0;
        if (right != facingRight_) {
            Hold(right ? kHeldRight : kHeldLeft);
            Hold(0);
        }
        view_.Key(kSpace);
        fireCooldown_ = 3;
        return;
    }
    --fireCooldown_;

    int mask = 0;
    switch (mode_) {
    case Mode::Dive:
        if (!Busy(s, s.bottom, s.bottom + 44, 110)) mask = kHeldDown;
        break;
    case Mode::Rise:
        if (!Busy(s, s.top - 44, s.top, 110)) mask = kHeldUp;
        break;
    case Mode::Breathe: break;
    case Mode::Cruise: {
        if (s.top < kCruiseTop - 2) mask |= kHeldDown;
        const int middle = (s.left + s.right) / 2;
        int goal = -1;
        for (const int x : s.treasures)
            if (goal < 0 || std::abs(x - middle) < std::abs(goal - middle)) goal = x;
        if (goal >= 0 && std::abs(goal - middle) > 6) mask |= goal < middle ? kHeldLeft : kHeldRight;
        break;
    }
    }
    Hold(mask);
}

BotReport AurelskBot::PlayToTheEnd(int bankTarget, int maxLooks) {
    BotReport report;
    int still = 0;
    for (int look = 0; look < maxLooks; ++look) {
        view_.Wait(kLookMs);
        if (const int top = view_.GameOverTop(); top >= 0) {
            Hold(0);
            report.gameOver = true;
            if (report.gameOverTops.empty() || report.gameOverTops.back() != top) {
                report.gameOverTops.push_back(top);
                still = 0;
            } else if (++still > 15) {
                break;  // risen: the name is asked and the buttons are up
            }
            continue;
        }
        Decide(Look(), bankTarget, report);
    }
    Hold(0);
    return report;
}

}  // namespace aurelsk::test
