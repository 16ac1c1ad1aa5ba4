#include "Apps/Torvimble/VideoPokerTable.h"

namespace torvimble {

void VideoPokerTable::ToggleHold(int position) {
    if (inHand_ && !dealPhase_) held_[static_cast<size_t>(position)] = !held_[static_cast<size_t>(position)];
}

bool VideoPokerTable::Press() {
    inHand_ = true;
    if (dealPhase_) held_ = {};
    return dealPhase_;
}

std::array<bool, kPokerCards> VideoPokerTable::Replaced() const {
    std::array<bool, kPokerCards> replaced{};
    for (size_t i = 0; i < replaced.size(); ++i) replaced[i] = dealPhase_ || !held_[i];
    return replaced;
}

PokerResult VideoPokerTable::CardsShown(std::span<const CardValue, kPokerCards> hand) {
    PokerResult result;
    result.rank = EvaluatePokerHand(hand);
    if (!dealPhase_) {
        result.change = result.rank > 0 ? PokerPays(result.rank) * bet_ : -bet_;
        held_ = {};
        inHand_ = false;
    }
    dealPhase_ = !dealPhase_;
    return result;
}

}  // namespace torvimble
