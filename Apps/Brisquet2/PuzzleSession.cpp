#include "Apps/Brisquet2/PuzzleSession.h"

#include <algorithm>

#include "Apps/Common/DecimalText.h"

namespace brisquet2 {

namespace {

SessionEffect Refused() {
    SessionEffect effect;
    effect.refused = true;
    return effect;
}

}  // namespace

int ClampLevel(int stored) { return std::clamp(stored, 1, kChallengePuzzles); }

std::optional<int> ParsePuzzleNumber(std::string_view text) {
    const int number = ParseDecimal(text);
    if (number < 1 || number > kHighestPuzzle) return std::nullopt;
    return number;
}

CPuzzleSession::CPuzzleSession(int mode, int storedLevel, const std::function<int()>& rand) {
    if (mode <= kChallengePuzzles) {
        mode_ = PuzzleMode::Challenge;
        number_ = ClampLevel(storedLevel);
    } else if (mode < kChosenModeBit) {
        mode_ = PuzzleMode::Random;
        difficulty_ = std::clamp(mode / 256, 1, 3);
        number_ = DrawRandom(rand);
    } else {
        mode_ = PuzzleMode::Chosen;
        number_ = std::clamp(mode & 0xFFFF, 1, kHighestPuzzle);
    }
}

int CPuzzleSession::DrawRandom(const std::function<int()>& rand) const {
    return (difficulty_ * kHighestPuzzle - kHighestPuzzle) / 3 + rand() % kRandomBand;
}

std::string_view CPuzzleSession::DifficultyName() const {
    const int easyTop = IsChallenge() ? 50 : 16665;
    const int mediumTop = IsChallenge() ? 100 : 33333;
    if (number_ <= easyTop) return "Easy";
    return number_ <= mediumTop ? "Medium" : "Hard";
}

SessionEffect CPuzzleSession::Started() const {
    SessionEffect effect;
    if (!IsChallenge()) effect.attempts = 1;
    return effect;
}

SessionEffect CPuzzleSession::Solved() {
    outcome_ = PuzzleOutcome::Solved;
    SessionEffect effect;
    if (!IsChallenge()) {
        effect.solved = 1;
        return effect;
    }
    effect.points = Record().points;
    // The next puzzle is stored with the points, so leaving under the panel cannot pay this one twice.
    if (number_ >= kChallengePuzzles) {
        effect.level = 1;
        effect.celebrate = true;
    } else {
        effect.level = number_ + 1;
    }
    return effect;
}

SessionEffect CPuzzleSession::Failed() {
    outcome_ = PuzzleOutcome::Failed;
    return {};
}

SessionEffect CPuzzleSession::Replay() {
    outcome_ = PuzzleOutcome::Playing;
    SessionEffect effect;
    if (IsChallenge()) effect.points = -ReplayCost();
    else effect.attempts = 1;
    return effect;
}

SessionEffect CPuzzleSession::Skip() {
    if (!CanSkip()) return Refused();
    SessionEffect effect;
    if (outcome_ != PuzzleOutcome::Solved) effect.points = -SkipCost();
    ++number_;
    effect.level = number_;
    outcome_ = PuzzleOutcome::Playing;
    return effect;
}

SessionEffect CPuzzleSession::Change(const std::function<int()>& rand) {
    if (mode_ != PuzzleMode::Random) return Refused();
    outcome_ = PuzzleOutcome::Playing;
    number_ = DrawRandom(rand);
    SessionEffect effect;
    effect.attempts = 1;
    return effect;
}

SessionEffect CPuzzleSession::Choose(int number) {
    if (mode_ != PuzzleMode::Chosen) return Refused();
    outcome_ = PuzzleOutcome::Playing;
    number_ = std::clamp(number, 1, kHighestPuzzle);
    SessionEffect effect;
    effect.attempts = 1;
    return effect;
}

SessionEffect CPuzzleSession::MainMenu() {
    SessionEffect effect;
    if (!IsChallenge()) return effect;
    if (outcome_ == PuzzleOutcome::Failed) {
        effect.points = -ReplayCost();
    } else if (outcome_ == PuzzleOutcome::Solved) {
        if (number_ >= kChallengePuzzles) effect.endCelebration = true;
        else effect.level = number_ + 1;
    }
    return effect;
}

}  // namespace brisquet2
