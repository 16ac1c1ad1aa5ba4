#include "Apps/Slorrow/tests/SlorrowBot.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace slorrow::test {
namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 420;
constexpr int kFieldTop = 76;     // below the wind gauge
constexpr int kFieldBottom = 365;  // above the meter
constexpr uint32_t kSkin = 0xF2C29B;
constexpr uint32_t kBlueSuit = 0x333399;
constexpr uint32_t kRedSuit = 0xC00000;
constexpr uint32_t kWindFill = 0x6699FF;
constexpr uint32_t kGold = 0xFF9900;
constexpr uint32_t kTryAgainGreen = 0x339900;
constexpr int kWindRow = 46;
constexpr int kGaugeLeft = 193;
constexpr int kGaugeRight = 307;
// The game's flight, as a player who knows the field works it out.
constexpr double kGravity = 0.25;
constexpr double kDrag = 0.99;
constexpr double kThrowScale = 0.275;
constexpr double kFullPower = 80;
constexpr double kPowerPerMs = 0.0005;
constexpr double kSafeTravel = 150;
constexpr int kBall = 16;
// The press and the release each land in a round of the driver.
constexpr uint32_t kHoldExtraMs = 50;

int R(uint32_t c) { return static_cast<int>(c >> 16 & 0xFF); }
int G(uint32_t c) { return static_cast<int>(c >> 8 & 0xFF); }
int B(uint32_t c) { return static_cast<int>(c & 0xFF); }

// Grass, or the earth under it.
bool LooksLikeGround(uint32_t c) {
    const bool grass = G(c) > R(c) + 40 && G(c) > B(c) + 40;
    const bool earth = c == 0x996633 || c == 0x663300;
    return grass || earth;
}

bool Inside(const Seen& box, int x, int y, int margin) {
    return x >= box.left - margin && x < box.right + margin && y >= box.top - margin && y < box.bottom + margin;
}

int SpriteWidth(const Seen& who) { return who.blue ? 20 : 39; }

struct Point2 {
    double x = 0, y = 0;
};

Point2 HandOf(const Seen& who) { return {who.CentreX() - SpriteWidth(who) / 2.0 + 2, static_cast<double>(who.top)}; }

struct Flight {
    bool hit = false;
    double endX = 0;  // the ball's centre where it hit or stopped
};

Flight Fly(const std::vector<uint8_t>& ground, Point2 hand, Point2 dir, double power, double wind, const Seen& target) {
    Point2 p = hand;
    Point2 v{dir.x * power * kThrowScale, dir.y * power * kThrowScale};
    double travelled = 0;
    for (int tick = 0; tick < 2000; ++tick) {
        v.y += kGravity;
        v.x += wind;
        v.x *= kDrag;
        v.y *= kDrag;
        p.x += v.x;
        p.y += v.y;
        const int x = static_cast<int>(p.x), y = static_cast<int>(p.y);
        if (x >= 0 && y >= 0 && x + kBall / 2 < kWidth && y + kBall < kHeight &&
            ground[static_cast<size_t>((y + kBall) * kWidth + x + kBall / 2)] != 0)
            return {false, p.x + kBall / 2};
        travelled += std::abs(v.x) + std::abs(v.y);
        if (travelled > kSafeTravel && x <= target.right && x + kBall >= target.left && y <= target.bottom &&
            y + kBall >= target.top)
            return {true, p.x + kBall / 2};
        if (p.y > 500) break;
    }
    return {false, p.x + kBall / 2};
}

}  // namespace

std::vector<Seen> SlorrowBot::Candidates() const {
    const GameAreaFrame frame = view_.Presented();
    std::vector<int> columns(kWidth, 0);
    std::vector<int> tops(kWidth, kHeight);
    for (int y = kFieldTop; y < kFieldBottom; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (frame.Pixel(x, y) == kSkin) {
                ++columns[static_cast<size_t>(x)];
                tops[static_cast<size_t>(x)] = std::min(tops[static_cast<size_t>(x)], y);
            }
    std::vector<Seen> found;
    for (int x = 0; x < kWidth;) {
        if (columns[static_cast<size_t>(x)] == 0) {
            ++x;
            continue;
        }
        Seen face{x, kHeight, x, 0, false};
        int gap = 0;
        for (; x < kWidth && gap < 15; ++x) {
            if (columns[static_cast<size_t>(x)] == 0) {
                ++gap;
                continue;
            }
            gap = 0;
            face.right = x + 1;
            face.top = std::min(face.top, tops[static_cast<size_t>(x)]);
        }
        // The suit below the face, and its colour (the tie is the other colour, but small).
        int blue = 0, red = 0;
        Seen whole = face;
        whole.bottom = face.top + 1;
        for (int y = face.top; y < std::min(face.top + 90, kFieldBottom); ++y)
            for (int sx = std::max(0, face.left - 25); sx < std::min(kWidth, face.right + 25); ++sx) {
                const uint32_t c = frame.Pixel(sx, y);
                if (c != kBlueSuit && c != kRedSuit) continue;
                (c == kBlueSuit ? blue : red) += 1;
                whole.left = std::min(whole.left, sx);
                whole.right = std::max(whole.right, sx + 1);
                whole.bottom = std::max(whole.bottom, y + 1);
            }
        if (blue + red < 20) continue;
        whole.blue = blue > red;
        found.push_back(whole);
    }
    return found;
}

float SlorrowBot::Wind() const {
    const GameAreaFrame frame = view_.Presented();
    int rightmost = -1, leftmost = kWidth;
    for (int x = 0; x < kWidth; ++x) {
        if (frame.Pixel(x, kWindRow) != kWindFill || (x >= kGaugeLeft && x < kGaugeRight)) continue;
        rightmost = std::max(rightmost, x);
        leftmost = std::min(leftmost, x);
    }
    // Bars stand 6 apart, the last one where the gust ends; the middle of that step is the guess.
    if (rightmost >= kGaugeRight) return static_cast<float>(rightmost - 304) / 2000.0f;
    if (leftmost < kGaugeLeft) return static_cast<float>(leftmost - 204) / 2000.0f;
    return 0;
}

int SlorrowBot::Meter() const {
    const GameAreaFrame frame = view_.Presented();
    long sum = 0, count = 0;
    for (int y = kFieldBottom + 3; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (frame.Pixel(x, y) == kGold) {
                sum += x;
                ++count;
            }
    if (count == 0) return 0;
    return static_cast<int>(std::lround((static_cast<double>(sum) / count - 24 - 226) / 50.0));
}

bool SlorrowBot::OnGameOver() const { return view_.Count(kTryAgainGreen, 95, 395, 215, 415) > 800; }

bool SlorrowBot::WinnerIsBrambo() const {
    return view_.Count(kBlueSuit, 285, 100, 460, 350) > view_.Count(kRedSuit, 285, 100, 460, 350);
}

std::vector<uint8_t> SlorrowBot::Ground() const {
    const GameAreaFrame frame = view_.Presented();
    const std::vector<Seen> people = Candidates();
    std::vector<uint8_t> ground(static_cast<size_t>(kWidth * kHeight), 0);
    for (int y = kFieldTop; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const bool onSomeone = std::any_of(people.begin(), people.end(), [&](const Seen& s) { return Inside(s, x, y, 3); });
            if (!onSomeone && LooksLikeGround(frame.Pixel(x, y))) ground[static_cast<size_t>(y * kWidth + x)] = 1;
        }
    return ground;
}

std::optional<SlorrowBot::Aim> SlorrowBot::Plan(const Seen& thrower, const Seen& target, float wind, double goalX) const {
    const std::vector<uint8_t> ground = Ground();
    const Point2 hand = HandOf(thrower);
    const double toward = target.CentreX() > thrower.CentreX() ? 1.0 : -1.0;
    Seen goal = target;
    const int shift = static_cast<int>(std::lround(goalX - target.CentreX()));
    goal.left += shift;
    goal.right += shift;
    std::optional<Aim> best;
    double bestScore = 1e9;
    for (int degrees = 70; degrees >= 35; degrees -= 5) {
        const double angle = degrees * 3.14159265 / 180.0;
        const Point2 dir{toward * std::cos(angle), -std::sin(angle)};
        for (uint32_t hold = 100; hold <= 2000; hold += 20) {
            const double power = kFullPower * std::min(1.0, (hold + kHoldExtraMs) * kPowerPerMs);
            const Flight flight = Fly(ground, hand, dir, power, wind, goal);
            const double score = std::abs(flight.endX - goalX) + (flight.hit ? 0 : 1000);
            if (score < bestScore) {
                bestScore = score;
                best = Aim{angle, hold};
            }
        }
    }
    return best;
}

bool SlorrowBot::AwaitTurn(uint32_t ms) {
    for (uint32_t waited = 0; waited <= ms; waited += 100) {
        if (OnGameOver()) return false;
        if (view_.TurnArrow() && Candidates().size() == 2) return true;
        view_.Wait(100);
    }
    return false;
}

Outcome SlorrowBot::ThrowAtRival() {
    const std::optional<Point> arrow = view_.TurnArrow();
    const std::vector<Seen> both = Candidates();
    if (!arrow || both.size() != 2) return Outcome::Over;
    lastThrower_ = std::abs(both[0].CentreX() - arrow->x) < std::abs(both[1].CentreX() - arrow->x) ? 0 : 1;
    const Seen& thrower = both[static_cast<size_t>(lastThrower_)];
    const Seen& target = both[static_cast<size_t>(1 - lastThrower_)];
    const double goalX = target.CentreX() + bias_[static_cast<size_t>(lastThrower_)];
    const std::optional<Aim> aim = Plan(thrower, target, Wind(), goalX);
    if (!aim) return Outcome::Over;
    const std::vector<uint8_t> before = Ground();
    const int meter = Meter();
    const Point2 hand = HandOf(thrower);
    const double toward = target.CentreX() > thrower.CentreX() ? 1.0 : -1.0;
    // Far enough out that a pixel of the mouse is a small turn, near enough to stay on the field.
    double reach = 90;
    int mx = 0, my = 0;
    for (; reach > 10; reach -= 5) {
        mx = static_cast<int>(std::lround(hand.x + toward * std::cos(aim->angle) * reach));
        my = static_cast<int>(std::lround(hand.y - std::sin(aim->angle) * reach));
        if (mx > 0 && mx < kWidth - 1 && my > 0) break;
    }
    view_.MouseMove(mx, my);
    view_.HoldMouse(mx, my, aim->holdMs);
    return Watch(thrower, target, before, meter);
}

Outcome SlorrowBot::Watch(const Seen& thrower, const Seen& target, const std::vector<uint8_t>& before, int meter) {
    const double toward = target.CentreX() > thrower.CentreX() ? 1.0 : -1.0;
    double& bias = bias_[static_cast<size_t>(lastThrower_)];
    // Ground turned to the crater's white or to the sky behind, away from where the candidates
    // move between poses.
    const auto dug = [&](long* sumX) {
        const GameAreaFrame frame = view_.Presented();
        long count = 0;
        for (int y = kFieldTop; y < kFieldBottom; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const size_t i = static_cast<size_t>(y * kWidth + x);
                if (before[i] == 0 || Inside(thrower, x, y, 25) || Inside(target, x, y, 25)) continue;
                const uint32_t c = frame.Pixel(x, y);
                if (c != 0xFFFFFF && B(c) <= R(c) + 20) continue;
                ++count;
                if (sumX != nullptr) *sumX += x;
            }
        return count;
    };
    for (uint32_t waited = 0; waited < 8000; waited += 40) {
        view_.Wait(40);
        if (OnGameOver()) return Outcome::Over;
        if (Meter() != meter) return Outcome::Hit;
        if (dug(nullptr) < 40) continue;
        view_.Wait(400);
        long sumX = 0;
        const long count = dug(&sumX);
        const double craterX = static_cast<double>(sumX) / static_cast<double>(std::max(count, 1L));
        bias -= 0.8 * (craterX - target.CentreX() - bias);
        return Outcome::Crater;
    }
    // Off the field: most often past a rival near the edge.
    bias -= 20 * toward;
    return Outcome::Gone;
}

}  // namespace slorrow::test
