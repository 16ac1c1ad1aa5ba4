#include "BrisquetSolver.h"

#include <array>
#include <random>
#include <utility>

#include "Apps/Brisquet/BrisquetBoard.h"

namespace brisquet {

namespace {

std::string Key(const CBubbleBoard& board) {
    std::string key;
    for (const int kind : board.Cells()) key.push_back(static_cast<char>(kind));
    return key;
}

// Without a black bubble a kind down to one bubble can never go.
bool Hopeless(const CBubbleBoard& board) {
    std::array<int, kMaxKinds + 1> counts{};
    for (const int kind : board.Cells()) {
        if (kind == kBlackKind) return false;
        if (kind > 0 && kind <= kMaxKinds) ++counts[static_cast<size_t>(kind)];
    }
    for (const int count : counts)
        if (count == 1) return true;
    return false;
}

bool Empty(const CBubbleBoard& board) {
    for (const int kind : board.Cells())
        if (kind != CBubbleBoard::kEmpty) return false;
    return true;
}

}  // namespace

std::vector<BubbleCell> BrisquetSolver::Moves(const CBubbleBoard& board) {
    std::vector<BubbleCell> moves;
    std::array<bool, CBubbleBoard::kMaxSide * CBubbleBoard::kMaxSide> seen{};
    for (int c = 0; c < board.Width(); ++c) {
        for (int r = 0; r < board.Height(); ++r) {
            if (seen[static_cast<size_t>(c * board.Height() + r)] || !board.Settled(c, r)) continue;
            if (board.At(c, r) == kBlackKind) {
                moves.push_back({c, r});
                continue;
            }
            const std::vector<BubbleCell> group = board.Group(c, r);
            for (const BubbleCell& cell : group) seen[static_cast<size_t>(cell.column * board.Height() + cell.row)] = true;
            if (group.size() >= 2) moves.push_back({c, r});
        }
    }
    return moves;
}

bool BrisquetSolver::Play(CBubbleBoard& board, BubbleCell click) {
    // The game's own board, so that a plan keeps to its rules.
    Level level;
    level.width = board.Width();
    level.height = board.Height();
    level.kindCount = kMaxKinds;
    for (int r = 0; r < level.height; ++r)
        for (int c = 0; c < level.width; ++c) level.cells.push_back(board.Settled(c, r) ? board.At(c, r) : 0);
    BrisquetBoard game(std::move(level), 0);
    if (game.Click(click.column, click.row).popping.empty()) return false;
    for (const BubbleFall& fall : game.EndPop()) game.Grid().Land(fall.column, fall.toRow);
    board = game.Grid();
    return true;
}

std::optional<std::vector<BubbleCell>> BrisquetSolver::Solve(const CBubbleBoard& board) {
    boardsSeen_ = 0;
    gaveUp_ = false;
    hopeless_.clear();
    std::vector<BubbleCell> clicks;
    if (Search(board, clicks)) return clicks;
    return std::nullopt;
}

bool BrisquetSolver::Search(const CBubbleBoard& board, std::vector<BubbleCell>& clicks) {
    if (Empty(board)) return true;
    if (++boardsSeen_ > boardLimit_) {
        gaveUp_ = true;
        return false;
    }
    if (Hopeless(board)) return false;
    std::string key = Key(board);
    if (hopeless_.contains(key)) return false;
    for (const BubbleCell& move : Moves(board)) {
        CBubbleBoard next = board;
        Play(next, move);
        clicks.push_back(move);
        if (Search(next, clicks)) return true;
        clicks.pop_back();
        if (gaveUp_) return false;
    }
    hopeless_.insert(std::move(key));
    return false;
}

bool NeedsBlackBubbles(const CBubbleBoard& board, size_t boardLimit) {
    CBubbleBoard without = board;
    std::vector<BubbleCell> blacks;
    for (int c = 0; c < board.Width(); ++c)
        for (int r = 0; r < board.Height(); ++r)
            if (board.At(c, r) == kBlackKind) blacks.push_back({c, r});
    if (blacks.empty()) return false;
    without.Remove(blacks);
    for (const BubbleFall& fall : without.Settle()) without.Land(fall.column, fall.toRow);
    BrisquetSolver solver(boardLimit);
    return !solver.Solve(without) && !solver.GaveUp();
}

double DeadEndShare(const CBubbleBoard& board, int tries, uint32_t seed) {
    if (tries <= 0) return 0;
    std::mt19937 random(seed);
    int deadEnds = 0;
    for (int i = 0; i < tries; ++i) {
        CBubbleBoard play = board;
        for (std::vector<BubbleCell> moves = BrisquetSolver::Moves(play); !moves.empty();
             moves = BrisquetSolver::Moves(play))
            BrisquetSolver::Play(play, moves[random() % moves.size()]);
        deadEnds += Empty(play) ? 0 : 1;
    }
    return static_cast<double>(deadEnds) / tries;
}

}  // namespace brisquet
