#include "Apps/Grumbolt/tests/SwampSearch.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <unordered_set>

namespace grumbolt::test {
namespace {

constexpr int kCells = kSwampSize * kSwampSize;

int Index(CellPos p) { return p.column * kSwampSize + p.row; }
CellPos Cell(int i) { return {i / kSwampSize, i % kSwampSize}; }

struct Frogs {
    uint64_t low = 0, high = 0;
    bool Has(int i) const { return ((i < 64 ? low >> i : high >> (i - 64)) & 1) != 0; }
    void Flip(int i) { (i < 64 ? low : high) ^= uint64_t{1} << (i & 63); }
    int Count() const { return std::popcount(low) + std::popcount(high); }
    bool operator==(const Frogs&) const = default;
};

struct FrogsHash {
    size_t operator()(const Frogs& f) const { return std::hash<uint64_t>()(f.low * 0x9E3779B97F4A7C15ull ^ f.high); }
};

struct Move {
    int from, over, to;
};

enum class Goal { OneFrog, Stuck };

class Search {
public:
    explicit Search(const SwampBoard& board) {
        constexpr CellPos kSteps[] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
        for (int i = 0; i < kCells; ++i) {
            const CellPos p = Cell(i);
            if (board.At(p) == kFrog) start_.Flip(i);
            if (board.At(p) == kWater) continue;
            bool canMove = false;
            for (const CellPos s : kSteps) {
                const CellPos over{p.column + s.column, p.row + s.row}, to{p.column + 2 * s.column, p.row + 2 * s.row};
                if (board.At(over) == kWater || board.At(to) == kWater) continue;
                moves_.push_back({i, Index(over), Index(to)});
                canMove = true;
            }
            const bool jumpable = (board.At({p.column - 1, p.row}) != kWater && board.At({p.column + 1, p.row}) != kWater) ||
                                  (board.At({p.column, p.row - 1}) != kWater && board.At({p.column, p.row + 1}) != kWater);
            frozen_[static_cast<size_t>(i)] = !canMove && !jumpable;
            for (int dc = -1; dc <= 1; ++dc)
                for (int dr = -1; dr <= 1; ++dr)
                    if ((dc != 0 || dr != 0) && board.At({p.column + dc, p.row + dr}) != kWater)
                        around_[static_cast<size_t>(i)].push_back(Index({p.column + dc, p.row + dr}));
        }
    }

    // Depth first over the jumps, the least scattering first, remembering the frog patterns found
    // to lead nowhere (over all tries). Such a search takes very long now and then when an early
    // jump was poor, so each try gives up after a number of steps and the next shuffles the order
    // a little.
    std::optional<std::vector<Jump>> Run(Goal goal) {
        constexpr int kTries = 8000;
        for (int attempt = 0; attempt < kTries; ++attempt) {
            shuffle_.seed(static_cast<uint32_t>(attempt));
            noise_ = attempt == 0 ? 0 : 8;
            path_.clear();
            steps_ = 0;
            if (Visit(start_, goal)) {
                std::vector<Jump> jumps;
                for (const Move& m : path_) jumps.push_back({Cell(m.from), Cell(m.over), Cell(m.to)});
                return jumps;
            }
            if (steps_ <= kStepsPerTry) return std::nullopt;  // searched through: there is no way
        }
        return std::nullopt;
    }

private:
    static constexpr int kStepsPerTry = 1000;

    bool Legal(const Frogs& f, const Move& m) const { return f.Has(m.from) && f.Has(m.over) && !f.Has(m.to); }

    // How scattered the frogs are: each one's distance from their middle, and much more for a
    // frog with no other beside it. Two frogs that water holds for good can never come to one.
    std::optional<int> Scatter(const Frogs& f) const {
        int sumC = 0, sumR = 0, count = 0;
        for (int i = 0; i < kCells; ++i)
            if (f.Has(i)) sumC += i / kSwampSize, sumR += i % kSwampSize, ++count;
        if (count <= 1) return 0;
        int scatter = 0, frozen = 0;
        for (int i = 0; i < kCells; ++i) {
            if (!f.Has(i)) continue;
            scatter += std::abs(i / kSwampSize * count - sumC) + std::abs(i % kSwampSize * count - sumR);
            const auto& around = around_[static_cast<size_t>(i)];
            if (std::none_of(around.begin(), around.end(), [&](int n) { return f.Has(n); })) scatter += 8 * count;
            if (frozen_[static_cast<size_t>(i)] && ++frozen > 1) return std::nullopt;
        }
        return scatter / count;
    }

    bool Visit(const Frogs& f, Goal goal) {
        std::vector<std::pair<int, Move>> ranked;
        bool anyJump = false;
        for (const Move& m : moves_) {
            if (!Legal(f, m)) continue;
            anyJump = true;
            Frogs next = f;
            next.Flip(m.from), next.Flip(m.over), next.Flip(m.to);
            const std::optional<int> scatter = Scatter(next);
            // A dead end is what the other search avoids: no pruning for it.
            if (!scatter && goal == Goal::OneFrog) continue;
            ranked.emplace_back(scatter.value_or(0) + (noise_ > 0 ? static_cast<int>(shuffle_() % noise_) : 0), m);
        }
        if (goal == Goal::OneFrog ? f.Count() == 1 : !anyJump && f.Count() > 1) return true;
        if (++steps_ > kStepsPerTry || failed_.contains(f)) return false;
        std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [score, m] : ranked) {
            Frogs next = f;
            next.Flip(m.from), next.Flip(m.over), next.Flip(m.to);
            path_.push_back(m);
            if (Visit(next, goal)) return true;
            path_.pop_back();
        }
        if (steps_ <= kStepsPerTry) failed_.insert(f);
        return false;
    }

    Frogs start_;
    std::vector<Move> moves_;
    std::array<bool, kCells> frozen_{};
    std::array<std::vector<int>, kCells> around_;
    std::unordered_set<Frogs, FrogsHash> failed_;
    std::vector<Move> path_;
    std::mt19937 shuffle_;
    unsigned noise_ = 0;
    int steps_ = 0;
};

}  // namespace

std::optional<std::vector<Jump>> SolveSwamp(const SwampBoard& board) { return Search(board).Run(Goal::OneFrog); }
std::optional<std::vector<Jump>> FindDeadEnd(const SwampBoard& board) { return Search(board).Run(Goal::Stuck); }

}  // namespace grumbolt::test
