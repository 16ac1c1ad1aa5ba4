// One running shell per user: a later start hands over to the first and ends.
#pragma once

#include <cstdint>

#include "platform/Host.h"
#include "platform/Platform.h"

enum class InstanceOutcome {
    Primary,            // this start is the one that runs
    ActivatedOther,     // the first instance runs normally and was brought to the front
    OtherNeverStopped,  // the first instance kept shutting down for the whole wait
    EndedBySignal,      // a termination signal came while this start waited
};

// A question asked in a poll is part of its interval: the polls take polls x intervalMs however
// long the first instance takes to answer.
struct InstanceWait {
    int polls = 1000;
    uint32_t intervalMs = 250;
    uint32_t settleMs = 1000;    // after the first has gone
    int askTimeoutMs = 2000;
};

InstanceOutcome ClaimSingleInstance(platform::InstanceChannel& channel, platform::Backend& backend,
                                    const InstanceWait& wait = {});

// The first instance's answers: the private messages, and the activate request, which restores
// and raises the main window.
int AnswerInstanceQuestion(int message);
// Answers what later starts have asked, without blocking.
void ServeInstanceChannel();
// While watched, the loops' waits end when a later start asks, and the channel is served then.
void WatchInstanceChannel(bool watch);

inline constexpr std::string_view kCantStopCaption = "Can't stop other running Rivakel";
inline constexpr std::string_view kCantStopText =
    "Rivakel is having trouble starting because another Rivakel is still closing down. Please restart "
    "your computer and try again. If this keeps happening, please write to support@rivakel.example "
    "and tell us what happened. We apologise for the trouble.";
