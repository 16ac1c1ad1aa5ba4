#include "Games/Dunmoro/tests/DunmoroBot.h"

#include "Apps/Common/ResourceFile.h"
#include "Games/Dunmoro/Rules.h"
#include "Games/Dunmoro/tests/SolitaireModel.h"
#include "harness/ModulePictures.h"

namespace dunmoro::test {
namespace {

constexpr int kCornerW = 11, kCornerH = 14, kCornerX = 2, kCornerY = 2;
constexpr int kPileProbeX = 24, kPileProbeY = 33;

// `top` over `bottom`, its key pixels letting the bottom show.
uint32_t Over(uint32_t top, uint32_t bottom) { return top == ModulePictures::kKeyColour ? bottom : top; }

}  // namespace

DunmoroBot::DunmoroBot(DunmoroView& session, BotLedger start) : session_(session), ledger_(start) {
    const ModulePictures module(DUNMORO_GAM);
    const auto frontPicture = module.Picture("CardFront.gif");
    const auto backPicture = module.Picture("CardBack.gif");
    const auto numbersPicture = module.Picture("Numbers.gif");
    if (!frontPicture || !backPicture || !numbersPicture) return;
    const ModulePicture& front = *frontPicture;
    const ModulePicture& back = *backPicture;
    const ModulePicture& numbers = *numbersPicture;
    for (int rank = 1; rank <= kRanks; ++rank) {
        for (const int row : {0, 28}) {
            std::array<uint32_t, kCornerW * kCornerH> corner{};
            for (int y = 0; y < kCornerH; ++y)
                for (int x = 0; x < kCornerW; ++x)
                    corner[static_cast<size_t>(y * kCornerW + x)] =
                        Over(numbers.At(11 * (rank - 1) + x, row + y), front.At(kCornerX + x, kCornerY + y));
            corners_.emplace_back(rank, corner);
        }
    }
    std::array<uint32_t, kCornerW * kCornerH> backCorner{};
    for (int y = 0; y < kCornerH; ++y)
        for (int x = 0; x < kCornerW; ++x)
            backCorner[static_cast<size_t>(y * kCornerW + x)] =
                Over(back.At(kCornerX + x, kCornerY + y), front.At(kCornerX + x, kCornerY + y));
    corners_.emplace_back(kBack, backCorner);
    pileProbe_ = Over(back.At(kPileProbeX, kPileProbeY), front.At(kPileProbeX, kPileProbeY));

    std::vector<int> boards;
    for (int board = 1; board <= kChallengeBoards; ++board) boards.push_back(board);
    boards.push_back(10000);
    for (const int board : boards) {
        const auto data = module.Resource(LayoutFileName(board));
        if (!data) continue;
        CResourceFile file(*data);
        if (auto layout = ReadLayout(file)) layouts_[board] = std::move(*layout);
    }
}

int DunmoroBot::ReadCorner(int x, int y) const {
    const GameAreaFrame frame = session_.Presented();
    for (const auto& [what, corner] : corners_) {
        bool same = true;
        for (int dy = 0; dy < kCornerH && same; ++dy)
            for (int dx = 0; dx < kCornerW && same; ++dx)
                same = frame.Pixel(x + kCornerX + dx, y + kCornerY + dy) ==
                       corner[static_cast<size_t>(dy * kCornerW + dx)];
        if (same) return what;
    }
    return kUnknown;
}

bool DunmoroBot::PileShown() const { return session_.Pixel(kPileX + kPileProbeX, kPileY + kPileProbeY) == pileProbe_; }

int DunmoroBot::RecogniseBoard() const {
    int found = 0;
    for (const auto& [board, layout] : layouts_) {
        model::Game dealt;
        for (const LayoutCard& card : layout) dealt.board.push_back({card.x, card.y, card.faceUp, 1, true});
        bool fits = true;
        for (int i = 0; i < static_cast<int>(layout.size()) && fits; ++i) {
            if (!model::Uncovered(dealt, i)) continue;
            const int seen = ReadCorner(layout[static_cast<size_t>(i)].x, layout[static_cast<size_t>(i)].y);
            fits = layout[static_cast<size_t>(i)].faceUp ? seen > 0 : seen == kBack;
        }
        if (!fits) continue;
        if (found != 0) return 0;
        found = board;
    }
    return found;
}

bool DunmoroBot::PlayBoard(int board, std::string* error) {
    const auto it = layouts_.find(board);
    if (it == layouts_.end()) {
        *error = "no layout for board " + std::to_string(board);
        return false;
    }
    ledger_.boardsDealt += 1;
    ledger_.streak = 0;
    // What the bot knows of the table: where the cards lie and which it has taken.
    model::Game table;
    for (const LayoutCard& card : it->second) table.board.push_back({card.x, card.y, card.faceUp, 0, true});
    while (!session_.ResultBoxUp() && !session_.ChallengeWonUp()) {
        model::View view;
        view.up = ReadCorner(kUpCardX, kUpCardY);
        if (view.up <= 0) {
            *error = "the up card cannot be read";
            return false;
        }
        for (int i = 0; i < static_cast<int>(table.board.size()); ++i) {
            const model::Card& card = table.board[static_cast<size_t>(i)];
            model::Seen seen{card.x, card.y, card.present, false, 0};
            if (card.present && model::Uncovered(table, i)) {
                const int corner = ReadCorner(card.x, card.y);
                if (corner == kUnknown) {
                    *error = "card " + std::to_string(i) + " of board " + std::to_string(board) + " cannot be read";
                    return false;
                }
                seen.readable = corner > 0;
                seen.rank = corner;
            }
            view.cards.push_back(seen);
        }
        const int move = model::ChooseMove(view);
        if (move >= 0) {
            const model::Card& card = table.board[static_cast<size_t>(move)];
            const int rank = view.cards[static_cast<size_t>(move)].rank;
            session_.Click(card.x + kCardWidth / 2, card.y + kCardHeight / 2);
            if (ReadCorner(kUpCardX, kUpCardY) != rank) {
                *error = "playing card " + std::to_string(move) + " did not make it the up card";
                return false;
            }
            table.board[static_cast<size_t>(move)].present = false;
            ledger_.streak += 1;
            ledger_.longestStreak = std::max(ledger_.longestStreak, ledger_.streak);
            ledger_.money += ledger_.streak;
        } else if (PileShown()) {
            session_.Click(kPileX + kCardWidth / 2, kPileY + kCardHeight / 2);
            ledger_.streak = 0;
            ledger_.money -= kDrawCost;
        } else {
            *error = "no play and no pile, yet no result box";
            return false;
        }
    }
    return model::Cleared(table);
}

}  // namespace dunmoro::test
