#include "Apps/Pennimar/tests/PennimarBot.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace pennimar::test {
namespace {

constexpr int kLeft = 4, kTop = 56, kRight = 496, kBottom = 416;
constexpr int kTickMs = 50;
// Ticks a cut across the whole height takes, with room to spare.
constexpr int kCutTicks = 105;
// Room kept between an animal's picture and the fence line.
constexpr int kClearance = 6;
// Farther than this from the line, no animal of the first farms gets there during a cut.
constexpr int kReach = 2 * kCutTicks;
constexpr int kFirstCut = 446;
constexpr int kStrip = 32;
// Strips scanned for animals stay clear of the fences round them and of the farmer on them.
constexpr int kInset = 9;
constexpr int kGrid = 4;
// Ticks between the two looks that tell how the animals walk.
constexpr int kLookTicks = 4;

}  // namespace

void PennimarBot::LearnEarth() {
    for (int y = 60; y < 92; ++y)
        for (int x = 32; x < 64; ++x) earth_[static_cast<size_t>((y - 50) % 32 * 32 + x % 32)] = view_.Pixel(x, y);
}

std::optional<Spot> PennimarBot::Farmer(std::optional<Spot> near) const {
    if (near) {
        if (auto found = FarmerIn(near->x - 14, near->y - 14, near->x + 14, near->y + 14)) return found;
    }
    return FarmerIn(0, 50, 500, 422);
}

std::optional<Spot> PennimarBot::FarmerIn(int left, int top, int right, int bottom) const {
    long sumX = 0, sumY = 0, count = 0;
    for (int y = std::max(top, 50); y < std::min(bottom, 422); ++y)
        for (int x = std::max(left, 0); x < std::min(right, 500); ++x)
            if (view_.Pixel(x, y) == kOveralls) sumX += x, sumY += y, ++count;
    if (count == 0) return std::nullopt;
    // The overalls sit low on the 12 x 12 picture centred on the farmer's point.
    const auto snap = [](double v) { return static_cast<int>(std::lround(v / 2.0)) * 2; };
    return Spot{snap(static_cast<double>(sumX) / static_cast<double>(count) + 0.5),
                snap(static_cast<double>(sumY) / static_cast<double>(count) - 3.0)};
}

std::vector<Blob> PennimarBot::Animals(int left, int right) const {
    const int columns = (right - left - 2 * kInset) / kGrid, rows = (kBottom - kTop - 2 * kInset) / kGrid;
    if (columns <= 0 || rows <= 0) return {};
    std::vector<uint8_t> foreign(static_cast<size_t>(columns * rows));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const int x = left + kInset + c * kGrid, y = kTop + kInset + r * kGrid;
            foreign[static_cast<size_t>(r * columns + c)] = view_.Pixel(x, y) != Earth(x, y);
        }
    std::vector<Blob> blobs;
    std::vector<int> stack;
    for (int start = 0; start < columns * rows; ++start) {
        if (foreign[static_cast<size_t>(start)] != 1) continue;
        Blob blob{10000, 10000, -1, -1};
        int cells = 0;
        stack.assign(1, start);
        foreign[static_cast<size_t>(start)] = 2;
        while (!stack.empty()) {
            const int cell = stack.back();
            stack.pop_back();
            const int c = cell % columns, r = cell / columns;
            ++cells;
            blob.left = std::min(blob.left, c), blob.right = std::max(blob.right, c);
            blob.top = std::min(blob.top, r), blob.bottom = std::max(blob.bottom, r);
            // Neighbours up to two cells away: a picture's gaps do not split it.
            for (int dr = -2; dr <= 2; ++dr)
                for (int dc = -2; dc <= 2; ++dc) {
                    const int nc = c + dc, nr = r + dr;
                    if (nc < 0 || nr < 0 || nc >= columns || nr >= rows) continue;
                    uint8_t& f = foreign[static_cast<size_t>(nr * columns + nc)];
                    if (f == 1) f = 2, stack.push_back(nr * columns + nc);
                }
        }
        if (cells < 3) continue;
        blobs.push_back({left + kInset + blob.left * kGrid, kTop + kInset + blob.top * kGrid,
                         left + kInset + blob.right * kGrid + kGrid, kTop + kInset + blob.bottom * kGrid + kGrid});
    }
    return blobs;
}

bool PennimarBot::SafeToCut(int line, int right) {
    // Only animals this near can reach the line while the cut is laid.
    const int from = std::max(kLeft, line - kReach);
    // The last look serves as the first of this one while the farmer waits at the same line.
    if (lookedAt_ != line || looked_.empty()) looked_ = Animals(from, right);
    view_.Wait(kLookTicks * kTickMs);
    const std::vector<Blob> before = std::exchange(looked_, Animals(from, right));
    const std::vector<Blob>& now = looked_;
    lookedAt_ = line;
    if (now.size() != before.size()) return false;
    for (const Blob& b : now) {
        const auto nearest = std::min_element(before.begin(), before.end(), [&](const Blob& p, const Blob& q) {
            return std::abs(p.CentreX() - b.CentreX()) + std::abs(p.CentreY() - b.CentreY()) <
                   std::abs(q.CentreX() - b.CentreX()) + std::abs(q.CentreY() - b.CentreY());
        });
        // By the edge facing the line: the far edge of an animal at the band's end is cut off.
        const bool leftOfLine = b.right < line;
        const int moved = leftOfLine ? b.right - nearest->right : b.left - nearest->left;
        const double vx = static_cast<double>(moved) / kLookTicks;
        if (std::abs(vx) > 2.5) return false;  // two animals mixed up
        const double speed = std::max(std::abs(vx), 0.05);
        const int width = b.right - b.left;
        double distance = 0;
        if (b.right < line - kClearance) {
            distance = vx > 0 ? line - kClearance - b.right : (b.left - kLeft) + (line - kClearance - kLeft - width);
        } else if (b.left > line + kClearance) {
            distance = vx < 0 ? b.left - line - kClearance : (right - b.right) + (right - line - kClearance - width);
        } else {
            return false;
        }
        if (distance / speed < kCutTicks) return false;
    }
    return true;
}

bool PennimarBot::WalkTo(int key, int target, bool alongX) {
    std::optional<Spot> farmer = Farmer();
    view_.KeyDown(key);
    bool there = false;
    for (int tick = 0; tick < 200 && !there; ++tick) {
        view_.Wait(kTickMs);
        farmer = Farmer(farmer);
        there = farmer && std::abs((alongX ? farmer->x : farmer->y) - target) <= 2;
        if (view_.PanelUp()) break;
    }
    view_.KeyUp(key);
    view_.Wait(kTickMs);
    return there;
}

bool PennimarBot::DismissLostLife() {
    if (!view_.PanelUp()) return false;
    ++livesLost_;
    view_.Key(kSpace);
    view_.Wait(kTickMs);
    return true;
}

bool PennimarBot::FenceTheFarm(int maxTicks) {
    view_.Key(kSpace);
    view_.Wait(kTickMs);
    int line = kFirstCut, right = kRight;
    std::optional<Spot> farmer;
    for (int tick = 0; tick < maxTicks;) {
        farmer = Farmer(farmer);
        if (!farmer) return false;
        const bool fromBottom = farmer->y > (kTop + kBottom) / 2;
        if (std::abs(farmer->x - line) > 2) {
            if (!WalkTo(platform::VkLeft, line, true)) {
                if (DismissLostLife()) continue;
                return false;
            }
        }
        if (!SafeToCut(line, right)) {
            tick += kLookTicks;
            continue;
        }
        const int before = view_.FencedPercent();
        view_.KeyDown(platform::VkShift);
        view_.KeyDown(fromBottom ? platform::VkUp : platform::VkDown);
        int ticks = 0;
        while (ticks < 2 * kCutTicks && view_.FencedPercent() == before && !view_.PanelUp()) {
            view_.Wait(kTickMs);
            ++ticks;
        }
        tick += ticks;
        view_.KeyUp(fromBottom ? platform::VkUp : platform::VkDown);
        view_.KeyUp(platform::VkShift);
        view_.Wait(kTickMs);
        if (view_.FencedPercent() == before) {
            // An animal walked into the fence after all: the farmer is back where the cut began.
            if (!DismissLostLife()) return false;
            continue;
        }
        if (view_.PanelUp()) return true;
        right = line;
        line -= kStrip;
    }
    return false;
}

bool PennimarBot::LoseALife(int maxTicks) {
    const std::optional<Spot> farmer = Farmer();
    if (!farmer) return false;
    const bool fromBottom = farmer->y > (kTop + kBottom) / 2;
    view_.KeyDown(platform::VkShift);
    WalkTo(fromBottom ? platform::VkUp : platform::VkDown, fromBottom ? farmer->y - 160 : farmer->y + 160, false);
    if (!view_.PanelUp()) WalkTo(platform::VkLeft, farmer->x - 200, true);
    view_.KeyUp(platform::VkShift);
    for (int tick = 0; tick < maxTicks && !view_.PanelUp(); ++tick) view_.Wait(kTickMs);
    return view_.PanelUp();
}

}  // namespace pennimar::test
