#include "Apps/Vintrel/tests/VintrelBot.h"

#include <algorithm>
#include <cmath>

namespace vintrel::test {
namespace {

// It looks every second tick: a person does not see every frame either.
constexpr int kLookMs = 40;
constexpr int kWidth = 500, kHeight = 420;
constexpr float kPondX = 245, kPondY = 209, kPondRadius = 205;
// The size picture at the top right shows a green blob too.
constexpr int kSizeBoxLeft = 425, kSizeBoxBottom = 80;
constexpr float kCruise = 0.8f;
constexpr float kSlack = 0.3f;
constexpr float kDanger = 110;

// A body's width tells its size: the picture is 4k + 7 pixels, the body three less.
int SizeOfWidth(int width) { return std::clamp((width - 2) / 4, 1, 10); }

}  // namespace

VintrelBot::Sight VintrelBot::Look() const {
    const GameAreaFrame frame = view_.Presented();
    std::vector<uint8_t> seen(kWidth * kHeight, 0);
    std::vector<std::pair<int, int>> stack;
    Sight s;
    for (int y = 0; y < kHeight; y += 2) {
        for (int x = 0; x < kWidth; x += 2) {
            const uint32_t colour = frame.Pixel(x, y);
            if ((colour != kPlayerBody && colour != kBaddieBody) || seen[y * kWidth + x]) continue;
            if (x >= kSizeBoxLeft && y < kSizeBoxBottom) continue;
            Blob b{x, y, x, y, 0};
            stack.assign(1, {x, y});
            seen[y * kWidth + x] = 1;
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                b.left = std::min(b.left, px);
                b.right = std::max(b.right, px);
                b.top = std::min(b.top, py);
                b.bottom = std::max(b.bottom, py);
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int nx = px + dx, ny = py + dy;
                    if (nx < 0 || ny < 0 || nx >= kWidth || ny >= kHeight || seen[ny * kWidth + nx]) continue;
                    if (frame.Pixel(nx, ny) != colour) continue;
                    seen[ny * kWidth + nx] = 1;
                    stack.emplace_back(nx, ny);
                }
            }
            b.size = SizeOfWidth(b.right - b.left + 1);
            if (colour == kBaddieBody) {
                s.others.push_back(b);
            } else if (!s.player || b.size > s.me.size) {
                s.player = true;
                s.me = b;
            }
        }
    }
    return s;
}

int VintrelBot::AngelTop() const {
    for (int y = 0; y < kHeight; ++y)
        if (view_.Count(kAngelWing, 0, y, kWidth, y + 1) > 0) return y;
    return -1;
}

void VintrelBot::Hold(bool left, bool right, bool up, bool down) {
    const bool want[4] = {left, right, up, down};
    const int keys[4] = {kLeft, kRight, kUp, kDown};
    for (int i = 0; i < 4; ++i) {
        if (want[i] && !held_[i]) view_.KeyDown(keys[i]);
        if (!want[i] && held_[i]) view_.KeyUp(keys[i]);
        held_[i] = want[i];
    }
}

void VintrelBot::Steer(const Sight& s, bool ramming) {
    const float mx = s.me.CentreX(), my = s.me.CentreY();
    // Speed in the game's units: pixels per 10 ms.
    const uint32_t now = view_.ClockMs();
    const float elapsed = static_cast<float>(std::max<uint32_t>(1, now - lastSeen_));
    const float vx = lastX_ < 0 ? 0 : (mx - lastX_) * 10 / elapsed;
    const float vy = lastY_ < 0 ? 0 : (my - lastY_) * 10 / elapsed;
    lastX_ = mx;
    lastY_ = my;
    lastSeen_ = now;

    float wantX = 0, wantY = 0;
    const Blob* goal = nullptr;
    float goalDistance = 1e9f;
    for (const Blob& o : s.others) {
        const float dx = o.CentreX() - mx, dy = o.CentreY() - my;
        const float distance = std::max(1.0f, std::hypot(dx, dy));
        const bool bigger = o.size > s.me.size;
        if (bigger && !ramming) {
            const float gap = distance - static_cast<float>(o.right - o.left + s.me.right - s.me.left) / 2;
            if (gap < kDanger) {
                const float push = (kDanger - gap) / 20;
                wantX -= dx / distance * push;
                wantY -= dy / distance * push;
            }
            continue;
        }
        if (bigger != ramming) continue;
        if (distance < goalDistance) {
            goalDistance = distance;
            goal = &o;
        }
    }
    if (goal != nullptr) {
        wantX += (goal->CentreX() - mx) / goalDistance * 2;
        wantY += (goal->CentreY() - my) / goalDistance * 2;
    } else {
        wantX += (kPondX - mx) / 100;
        wantY += (kPondY - my) / 100;
    }
    // The pond's edge stops a blob dead: keep clear of it.
    const float fromCentre = std::hypot(mx - kPondX, my - kPondY);
    if (fromCentre > kPondRadius - 60) {
        wantX -= (mx - kPondX) / fromCentre * 3;
        wantY -= (my - kPondY) / fromCentre * 3;
    }
    const float length = std::max(0.001f, std::hypot(wantX, wantY));
    const float targetX = wantX / length * kCruise, targetY = wantY / length * kCruise;
    // Each change of a key costs the driver a moment: a key stays as it is until the speed has
    // gone past what it wants by the slack.
    const auto axis = [](float error, bool& less, bool& more) {
        if (error > kSlack) {
            less = false;
            more = true;
        } else if (error < -kSlack) {
            less = true;
            more = false;
        } else if ((more && error < 0) || (less && error > 0)) {
            less = more = false;
        }
    };
    bool left = held_[0], right = held_[1], up = held_[2], down = held_[3];
    axis(targetX - vx, left, right);
    axis(targetY - vy, up, down);
    Hold(left, right, up, down);
}

std::vector<std::pair<int, int>> VintrelBot::FoamPixels() const {
    const GameAreaFrame frame = view_.Presented();
    std::vector<std::pair<int, int>> foam;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (frame.Pixel(x, y) == kSplashFoam) foam.emplace_back(x, y);
    return foam;
}

BotReport VintrelBot::Play(int goalSize, int maxLooks) {
    BotReport report;
    int angelFrom = -1;
    for (int look = 0; look < maxLooks; ++look) {
        view_.Wait(kLookMs);
        if (view_.AskingPlayAgain()) {
            report.gameOver = true;
            break;
        }
        if (view_.AskingContinue()) {
            Hold(false, false, false, false);
            ++report.deaths;
            const std::vector<std::pair<int, int>> foam = FoamPixels();
            view_.Key(kSpace);
            view_.Wait(kLookMs);
            if (AngelTop() >= 0) report.angelGoneOnSpace = false;
            // A new blob's splash at the very pixels of an old one is too unlikely to count.
            const GameAreaFrame frame = view_.Presented();
            for (const auto& [x, y] : foam)
                if (frame.Pixel(x, y) == kSplashFoam) report.splashGoneOnSpace = false;
            lastX_ = lastY_ = -1;
            angelFrom = -1;
            continue;
        }
        const Sight s = Look();
        if (const int angel = AngelTop(); angel >= 0) {
            if (angelFrom < 0) angelFrom = angel;
            report.angelRise = std::max(report.angelRise, angelFrom - angel);
        }
        if (!s.player || AngelTop() >= 0) {
            Hold(false, false, false, false);
            lastX_ = lastY_ = -1;
            continue;
        }
        report.largestSize = std::max(report.largestSize, s.me.size);
        const bool ramming = report.largestSize >= goalSize;
        for (const Blob& o : s.others)
            if (o.size > s.me.size && o.Overlaps(s.me)) ++report.passedThrough;
        Steer(s, ramming);
    }
    Hold(false, false, false, false);
    return report;
}

}  // namespace vintrel::test
