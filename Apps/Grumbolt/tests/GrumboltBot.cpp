#include "Apps/Grumbolt/tests/GrumboltBot.h"

#include <algorithm>
#include <bitset>
#include <cstdlib>
#include <functional>
#include <random>
#include <unordered_set>

#include "platform/Platform.h"

namespace grumbolt::test {
namespace {

constexpr int kCells = kSwampSize * kSwampSize;
// A leap and its sinking frog are over after 800 ms; a little more for the last tick.
constexpr uint32_t kLeapWaitMs = 950;

using Frogs = std::bitset<kCells>;

Frogs FrogsOf(const SwampBoard& board) {
    Frogs frogs;
    for (int c = 0; c < kSwampSize; ++c)
        for (int r = 0; r < kSwampSize; ++r)
            if (board.At({c, r}) == kFrog) frogs.set(static_cast<size_t>(c * kSwampSize + r));
    return frogs;
}

std::vector<Jump> JumpsOf(const SwampBoard& board) {
    std::vector<Jump> jumps;
    constexpr CellPos kSteps[] = {{0, -2}, {2, 0}, {0, 2}, {-2, 0}};
    for (int c = 0; c < kSwampSize; ++c)
        for (int r = 0; r < kSwampSize; ++r)
            for (const CellPos step : kSteps)
                if (auto jump = board.JumpTo({c, r}, {c + step.column, r + step.row})) jumps.push_back(*jump);
    return jumps;
}

bool Pad(const SwampBoard& board, int c, int r) { return board.At({c, r}) != kWater; }

// A frog that water keeps from ever jumping or being jumped stays where it is for good.
bool Frozen(const SwampBoard& board, int c, int r) {
    const bool acrossRow = Pad(board, c - 1, r) && Pad(board, c + 1, r);
    const bool acrossColumn = Pad(board, c, r - 1) && Pad(board, c, r + 1);
    if (acrossRow || acrossColumn) return false;
    constexpr int kSteps[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    for (const auto& step : kSteps)
        if (Pad(board, c + step[0], r + step[1]) && Pad(board, c + 2 * step[0], r + 2 * step[1])) return false;
    return true;
}

// How scattered the frogs are: each frog's distance from their middle, and much more for a frog
// with no other frog beside it (diagonals too), which may never meet the rest again. Two frogs
// frozen for good can never come down to one: nothing.
std::optional<int> Scatter(const SwampBoard& board) {
    int sumC = 0, sumR = 0, count = 0;
    for (int c = 0; c < kSwampSize; ++c)
        for (int r = 0; r < kSwampSize; ++r)
            if (board.At({c, r}) == kFrog) sumC += c, sumR += r, ++count;
    if (count == 0) return 0;
    int scatter = 0, frozen = 0;
    for (int c = 0; c < kSwampSize; ++c)
        for (int r = 0; r < kSwampSize; ++r) {
            if (board.At({c, r}) != kFrog) continue;
            scatter += std::abs(c * count - sumC) + std::abs(r * count - sumR);
            bool alone = true;
            for (int dc = -1; dc <= 1 && alone; ++dc)
                for (int dr = -1; dr <= 1 && alone; ++dr)
                    if ((dc != 0 || dr != 0) && board.At({c + dc, r + dr}) == kFrog) alone = false;
            if (alone) scatter += 8 * count;
            if (count > 1 && Frozen(board, c, r) && ++frozen > 1) return std::nullopt;
        }
    return scatter / count;
}

// Depth first over the jumps, the least scattering first, remembering the frog patterns already
// found to lead nowhere. Such searches take very long now and then when an early jump was poor,
// so each try gives up after a number of steps and the next one shuffles the order a little.
std::optional<std::vector<Jump>> Search(const SwampBoard& start, const std::function<bool(const SwampBoard&)>& goal) {
    constexpr int kTries = 8000;
    constexpr int kStepsPerTry = 300;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        std::mt19937 shuffle(static_cast<uint32_t>(attempt));
        std::unordered_set<Frogs> failed;
        std::vector<Jump> path;
        int steps = 0;
        const std::function<bool(const SwampBoard&)> visit = [&](const SwampBoard& board) {
            if (goal(board)) return true;
            if (++steps > kStepsPerTry) return false;
            const Frogs key = FrogsOf(board);
            if (failed.contains(key)) return false;
            std::vector<std::pair<int, Jump>> ranked;
            for (const Jump& jump : JumpsOf(board)) {
                SwampBoard next = board;
                next.Apply(jump);
                const std::optional<int> scatter = Scatter(next);
                if (!scatter) continue;
                const int noise = attempt == 0 ? 0 : static_cast<int>(shuffle() % 16);
                ranked.emplace_back(*scatter + noise, jump);
            }
            std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
            for (const auto& [score, jump] : ranked) {
                SwampBoard next = board;
                next.Apply(jump);
                path.push_back(jump);
                if (visit(next)) return true;
                path.pop_back();
            }
            if (steps <= kStepsPerTry) failed.insert(key);
            return false;
        };
        if (visit(start)) return path;
        if (steps <= kStepsPerTry) return std::nullopt;  // searched through: there is no way
    }
    return std::nullopt;
}

bool Green(uint32_t p) {
    const int r = static_cast<int>(p >> 16 & 0xFF), g = static_cast<int>(p >> 8 & 0xFF), b = static_cast<int>(p & 0xFF);
    return g > r + 30 && g > b + 30;
}

bool DarkOutline(uint32_t p) {
    const int r = static_cast<int>(p >> 16 & 0xFF), g = static_cast<int>(p >> 8 & 0xFF), b = static_cast<int>(p & 0xFF);
    return std::max({r, g, b}) < 0x70 && !(g > r && g > b);
}

}  // namespace

std::optional<std::vector<Jump>> SolveSwamp(const SwampBoard& board) {
    return Search(board, [](const SwampBoard& b) { return b.CountFrogs() == 1; });
}

std::optional<std::vector<Jump>> FindDeadEnd(const SwampBoard& board) {
    return Search(board, [](const SwampBoard& b) { return b.State() == SwampState::Stuck; });
}

SwampBoard GrumboltBot::Read() const {
    SwampBoard board;
    for (int c = 0; c < kSwampSize; ++c) {
        for (int r = 0; r < kSwampSize; ++r) {
            int green = 0, dark = 0;
            for (int y = 30 * r + 42; y < 30 * r + 70; ++y)
                for (int x = 30 * c + 18; x < 30 * c + 46; ++x) {
                    const uint32_t p = view_.Pixel(x, y);
                    green += Green(p) ? 1 : 0;
                    dark += DarkOutline(p) ? 1 : 0;
                }
            if (dark >= 25) board.Set({c, r}, kFrog);
            else if (green >= 250) board.Set({c, r}, kLilypad);
        }
    }
    return board;
}

std::vector<uint32_t> GrumboltBot::SwampPixels() const {
    std::vector<uint32_t> pixels;
    for (int y = 41; y < 372; ++y)
        for (int x = 0; x < 350; ++x) pixels.push_back(view_.Pixel(x, y));
    return pixels;
}

void GrumboltBot::Hop(const Jump& jump) {
    view_.Click(30 * jump.from.column + 32, 30 * jump.from.row + 56);
    view_.Click(30 * jump.to.column + 32, 30 * jump.to.row + 58);
}

void GrumboltBot::Play(const std::vector<Jump>& jumps, bool answerLast) {
    for (size_t i = 0; i < jumps.size(); ++i) {
        if (answerLast && i + 1 == jumps.size()) view_.AnswerBox(platform::IdOk);
        Hop(jumps[i]);
        view_.Wait(kLeapWaitMs);
    }
}

bool GrumboltBot::SolveShownSwamp() {
    const std::optional<std::vector<Jump>> jumps = SolveSwamp(Read());
    if (!jumps || jumps->empty()) return false;
    Play(*jumps);
    return true;
}

}  // namespace grumbolt::test
