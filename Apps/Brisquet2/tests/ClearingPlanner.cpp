#include "Apps/Brisquet2/tests/ClearingPlanner.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "Apps/Brisquet2/Puzzle.h"

namespace brisquet2::test {
namespace {

struct Move {
    BubbleCell cell;
    int size = 0;
    int top = 0;
};

std::vector<Move> Moves(const CBubbleBoard& board) {
    std::vector<Move> moves;
    std::array<bool, CBubbleBoard::kMaxSide * CBubbleBoard::kMaxSide> seen{};
    for (int c = 0; c < board.Width(); ++c) {
        for (int r = 0; r < board.Height(); ++r) {
            const int kind = board.At(c, r);
            if (seen[static_cast<size_t>(c * CBubbleBoard::kMaxSide + r)] || (kBrisquet2Rules.poppable & BubbleKindBit(kind)) == 0)
                continue;
            const std::vector<BubbleCell> group = board.Group(c, r);
            int top = r;
            for (const BubbleCell& cell : group) {
                seen[static_cast<size_t>(cell.column * CBubbleBoard::kMaxSide + cell.row)] = true;
                top = std::min(top, cell.row);
            }
            if (group.size() >= 2) moves.push_back({{c, r}, static_cast<int>(group.size()), top});
        }
    }
    return moves;
}

// The lowest row a bubble can fall to: bubbles that never pop stay under it.
int Floor(const CBubbleBoard& board, int column) {
    int floor = board.Height() - 1;
    while (floor >= 0 && board.At(column, floor) != 0 && (kBrisquet2Rules.poppable & BubbleKindBit(board.At(column, floor))) == 0)
        --floor;
    return floor;
}

// Bubbles only fall, straight down: a lone bubble that no bubble of its colour can ever come to
// touch (in its column, or beside it at a row both can reach) will never pop.
bool Hopeless(const CBubbleBoard& board) {
    for (int c = 0; c < board.Width(); ++c) {
        for (int r = 0; r < board.Height(); ++r) {
            const int kind = board.At(c, r);
            if ((kBrisquet2Rules.poppable & BubbleKindBit(kind)) == 0 || board.HasPartner(c, r)) continue;
            bool reachable = false;
            for (int row = 0; row < board.Height() && !reachable; ++row) reachable = row != r && board.At(c, row) == kind;
            for (const int near : {c - 1, c + 1}) {
                if (reachable || near < 0 || near >= board.Width()) continue;
                const int lowest = std::min(Floor(board, c), Floor(board, near));
                for (int row = 0; row <= lowest && !reachable; ++row) reachable = board.At(near, row) == kind && r <= lowest;
            }
            if (!reachable) return true;
        }
    }
    return false;
}

int Lonely(const CBubbleBoard& board) {
    int lonely = 0;
    for (int c = 0; c < board.Width(); ++c)
        for (int r = 0; r < board.Height(); ++r)
            if ((kBrisquet2Rules.poppable & BubbleKindBit(board.At(c, r))) != 0 && !board.HasPartner(c, r)) ++lonely;
    return lonely;
}

uint64_t Fingerprint(const CBubbleBoard& board) {
    uint64_t hash = 14695981039346656037ull;
    for (const int kind : board.Cells()) hash = (hash ^ static_cast<uint64_t>(kind)) * 1099511628211ull;
    return hash;
}

// Limited discrepancy search: the best-looking move is free, the i-th best costs i, and the
// allowance grows until the board clears. A good guess at every step finds the order at once.
class Search {
public:
    explicit Search(const PlannerLimits& limits) : limits_(limits) {}

    bool Solve(const CBubbleBoard& board) {
        for (int allowance = 0; allowance <= kMaxAllowance; ++allowance) {
            best_.clear();
            if (Walk(board, allowance)) return true;
            if (nodes_ > limits_.maxNodes) return false;
        }
        return false;
    }
    std::vector<BubbleCell> Path() const { return path_; }

private:
    static constexpr int kMaxAllowance = 12;

    bool Walk(const CBubbleBoard& board, int allowance) {
        if (board.Evaluate(kBrisquet2Rules) == BubbleBoardState::Solved) return true;
        if (++nodes_ > limits_.maxNodes || Hopeless(board)) return false;
        // A board already walked with as much allowance left holds nothing new.
        auto [seen, fresh] = best_.try_emplace(Fingerprint(board), allowance);
        if (!fresh) {
            if (seen->second >= allowance) return false;
            seen->second = allowance;
        }
        // The board was built group by group, so taking the right group off leaves the board as
        // it was before that group went in, its other groups whole again: the best guess leaves
        // the fewest bubbles without a partner.
        struct Next {
            BubbleCell cell;
            int lonely;
            CBubbleBoard board;
        };
        std::vector<Next> nexts;
        for (const Move& move : Moves(board)) {
            CBubbleBoard next = board;
            next.PopNow(move.cell.column, move.cell.row, kBrisquet2Rules);
            nexts.push_back({move.cell, Lonely(next), next});
        }
        std::stable_sort(nexts.begin(), nexts.end(), [](const Next& a, const Next& b) { return a.lonely < b.lonely; });
        for (int i = 0; i < static_cast<int>(nexts.size()) && i <= allowance; ++i) {
            path_.push_back(nexts[static_cast<size_t>(i)].cell);
            if (Walk(nexts[static_cast<size_t>(i)].board, allowance - i)) return true;
            path_.pop_back();
        }
        return false;
    }

    PlannerLimits limits_;
    int nodes_ = 0;
    std::unordered_map<uint64_t, int> best_;
    std::vector<BubbleCell> path_;
};

}  // namespace

std::optional<std::vector<BubbleCell>> PlanClearing(const CBubbleBoard& board, const PlannerLimits& limits) {
    Search search(limits);
    if (!search.Solve(board)) return std::nullopt;
    return search.Path();
}

std::optional<std::vector<BubbleCell>> PlanDeadEnd(const CBubbleBoard& board) {
    // Greedy orders, tried in turn: the largest group first, the smallest, then the pop that
    // leaves the most bubbles without a partner.
    using Score = int (*)(const CBubbleBoard&, const Move&);
    const Score orders[] = {[](const CBubbleBoard&, const Move& m) { return m.size; },
                            [](const CBubbleBoard&, const Move& m) { return -m.size; },
                            [](const CBubbleBoard& b, const Move& m) {
                                CBubbleBoard next = b;
                                next.PopNow(m.cell.column, m.cell.row, kBrisquet2Rules);
                                return Lonely(next);
                            }};
    for (const Score score : orders) {
        CBubbleBoard played = board;
        std::vector<BubbleCell> clicks;
        for (std::vector<Move> moves = Moves(played); !moves.empty(); moves = Moves(played)) {
            const Move chosen = *std::max_element(moves.begin(), moves.end(), [&](const Move& a, const Move& b) {
                return score(played, a) < score(played, b);
            });
            played.PopNow(chosen.cell.column, chosen.cell.row, kBrisquet2Rules);
            clicks.push_back(chosen.cell);
        }
        if (played.Evaluate(kBrisquet2Rules) == BubbleBoardState::DeadEnd) return clicks;
    }
    return std::nullopt;
}

}  // namespace brisquet2::test
