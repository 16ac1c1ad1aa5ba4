#include "Apps/Grumbolt/SwampMode.h"

#include <algorithm>

#include "Apps/Common/DecimalText.h"
#include "Apps/Grumbolt/SwampGenerator.h"

namespace grumbolt {

std::string_view DifficultyName(Difficulty d) {
    switch (d) {
    case Difficulty::Easy: return "Easy";
    case Difficulty::Medium: return "Medium";
    case Difficulty::Hard: return "Hard";
    }
    return "Easy";
}

int LevelFromStored(std::string_view text) { return std::clamp(ParseDecimal(text), 1, kChallengeSwamps); }

std::optional<int> ParseSwampNumber(std::string_view typed) {
    const int n = ParseDecimal(typed);
    if (n < 1 || n > kFreeSwamps) return std::nullopt;
    return n;
}

SwampMode::SwampMode(int mode, int level, int draw) {
    if (mode >= 0 && mode <= kChallengeSwamps) {
        kind_ = Kind::Challenge;
        number_ = std::clamp(level, 1, kChallengeSwamps);
    } else if (mode < kNumberedMode) {
        kind_ = Kind::Random;
        difficulty_ = static_cast<Difficulty>(std::clamp(mode / kRandomModeStep, 1, 3));
        number_ = DrawNumber(draw);
    } else {
        kind_ = Kind::Numbered;
        number_ = std::clamp(mode & 0xffff, 1, kFreeSwamps);
    }
}

Difficulty SwampMode::Shown() const {
    if (IsChallenge()) return static_cast<Difficulty>((number_ - 1) / 50 + 1);
    // Labelled by the generator's band, so the word matches the frog counts.
    return static_cast<Difficulty>(std::min(number_ / kBandWidth, 2) + 1);
}

SwampMode::After SwampMode::Solved(int draw) {
    switch (kind_) {
    case Kind::Challenge:
        if (number_ >= kChallengeSwamps) {
            number_ = 1;
            return After::Title;
        }
        ++number_;
        return After::NextSwamp;
    case Kind::Random: number_ = DrawNumber(draw); return After::NextSwamp;
    case Kind::Numbered: return After::AskNumber;
    }
    return After::NextSwamp;
}

bool SwampMode::Skip() {
    if (number_ >= kChallengeSwamps) return false;
    ++number_;
    return true;
}

void SwampMode::ChangeRandom(int draw) { number_ = DrawNumber(draw); }

int SwampMode::DrawNumber(int draw) const {
    const int d = static_cast<int>(difficulty_);
    return (kFreeSwamps * d - kFreeSwamps) / 3 + draw % kBandWidth;
}

int StuckCost(int pointFactor, int frogsAtStart) { return pointFactor * frogsAtStart / 10; }
int SkipCost(int pointFactor, int frogsAtStart) { return pointFactor * frogsAtStart / 4; }

}  // namespace grumbolt
