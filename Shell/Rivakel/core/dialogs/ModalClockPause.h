// Holds the game clock still while a modal box is up and puts it back as it was, so a box
// opened during a pause (or inside another box) leaves the pause alone.
#pragma once

#include "core/base/CSubsystem_Clock.h"

class ModalClockPause {
public:
    ModalClockPause() : clock_(ClockService()) {
        if (clock_ == nullptr) return;
        wasPaused_ = clock_->IsPaused();
        if (!wasPaused_) clock_->SetPaused(true);
    }
    ~ModalClockPause() {
        // The session may have ended while the box was up.
        if (clock_ != nullptr && !wasPaused_ && ClockService() == clock_) clock_->SetPaused(false);
    }
    ModalClockPause(const ModalClockPause&) = delete;
    ModalClockPause& operator=(const ModalClockPause&) = delete;

private:
    CSubsystem_Clock* clock_;
    bool wasPaused_ = false;
};
