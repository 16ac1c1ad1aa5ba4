#include "Apps/Glimtide/MemoryGame.h"

#include <algorithm>

namespace glimtide {

namespace {

constexpr Rgb kPalette[] = {{255, 0, 0}, {0, 255, 0}, {51, 51, 255}, {255, 255, 0}, {255, 0, 255}, {255, 255, 255},
                            {255, 128, 0}};

int ChoiceCount(Level level) {
    switch (level) {
        case Level::Easy: return 4;
        case Level::Medium: return 6;
        case Level::Hard: return 8;
        case Level::Show: return 0;
    }
    return 0;
}

RocketKind KindOf(Level level, int i) {
    const bool bursts = (level == Level::Medium && i >= 4) || (level == Level::Hard && i % 2 == 1);
    return bursts ? RocketKind::SubRockets : RocketKind::Ordinary;
}

}  // namespace

std::span<const Rgb> LevelPalette(Level level) {
    return std::span<const Rgb>(kPalette).first(level == Level::Show ? 7 : 6);
}

std::vector<Choice> PickChoices(Level level, const std::function<int()>& rand) {
    const std::span<const Rgb> palette = LevelPalette(level);
    std::vector<Choice> choices;
    for (int i = 0; i < ChoiceCount(level); ++i) {
        Choice pick;
        pick.kind = KindOf(level, i);
        // Hard tells choices apart by colour and kind together, the others by colour alone.
        const auto taken = [&](const Choice& earlier) {
            return earlier.colour == pick.colour && (level != Level::Hard || earlier.kind == pick.kind);
        };
        do {
            pick.colour = palette[static_cast<size_t>(rand()) % palette.size()];
        } while (std::any_of(choices.begin(), choices.end(), taken));
        choices.push_back(pick);
    }
    return choices;
}

CMemoryGame::CMemoryGame(Level level, std::vector<Choice> choices, const std::function<int()>& rand)
    : level_(level), choices_(std::move(choices)) {
    if (!choices_.empty())
        for (int& entry : sequence_) entry = rand() % static_cast<int>(choices_.size());
}

void CMemoryGame::StartShow() {
    position_ = 0;
    showing_ = true;
}

CMemoryGame::TickEvents CMemoryGame::Tick(int nowMs, int litPoints) {
    nowMs_ = nowMs;
    TickEvents events;
    if (yourTurnAt_) {
        if (nowMs >= *yourTurnAt_) {
            yourTurnAt_.reset();
            showing_ = false;
            position_ = 0;
            events.yourTurn = true;
        }
        return events;
    }
    if (cheerAt_ && nowMs >= *cheerAt_) {
        cheerAt_.reset();
        events.cheer = true;
    }
    if (stageWon_ && nowMs >= nextStageAt_ && litPoints < kDarkSkyPoints) {
        stageWon_ = false;
        ++fireworks_;
        StartShow();
        events.showStarted = true;
    } else if (showing_ && nowMs >= nextLaunchMs_ && position_ < fireworks_) {
        nextLaunchMs_ = nowMs + kLaunchGapMs;
        events.launch = sequence_[static_cast<size_t>(position_)];
        if (++position_ == fireworks_) yourTurnAt_ = nowMs + kYourTurnDelayMs;
    }
    return events;
}

CMemoryGame::ClickOutcome CMemoryGame::Click(int choice) {
    if (showing_ || stageWon_ || level_ == Level::Show || choice < 0 || choice >= static_cast<int>(choices_.size()) ||
        position_ >= fireworks_ || tries_ <= 0)
        return ClickOutcome::Ignored;
    if (choice != sequence_[static_cast<size_t>(position_)]) {
        --tries_;
        return tries_ > 0 ? ClickOutcome::Mistake : ClickOutcome::GameOver;
    }
    if (++position_ < fireworks_) return ClickOutcome::Correct;
    if (fireworks_ == kSequenceLength) {
        tries_ = 0;
        return ClickOutcome::AllRepeated;
    }
    stageWon_ = true;
    nextStageAt_ = nowMs_ + kNextStageDelayMs;
    cheerAt_ = nowMs_ + kCheerDelayMs;
    return ClickOutcome::StageWon;
}

bool CMemoryGame::ShowAgain() {
    // Once the player has begun to repeat the sequence, a replay would show nothing new.
    if (showing_ || stageWon_ || level_ == Level::Show || position_ != 0 || replays_ <= 0 || tries_ <= 0) return false;
    --replays_;
    StartShow();
    return true;
}

}  // namespace glimtide
