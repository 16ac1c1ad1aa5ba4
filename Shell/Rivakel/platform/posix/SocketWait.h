// One wait for a descriptor and a cancel signal together, for every blocking network call.
#pragma once

#include <cstdint>

#include "platform/Net.h"

namespace platform::posix {

// Waits for `events` on `fd` or for the cancel signal, at most `timeoutMs`: Ok when `fd` is
// ready, Cancelled, TimedOut, or Failed when the wait itself fails.
NetStatus WaitReady(int fd, short events, const CancelSignal& cancel, uint32_t timeoutMs);

// The poll events a handle waits for.
short PollEventsOf(const WaitHandle& handle);
// Sets the handle's ready flags from what a poll returned for it (trouble counts as both); true
// when it is ready.
bool TakeReadiness(WaitHandle& handle, short returned);

}  // namespace platform::posix
