// Parts of the shell that wait on descriptors (the server connection) register here: the main
// loop waits on their handles together with the window events, never past the next timer.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/Platform.h"

class CWaitSource {
public:
    virtual ~CWaitSource() = default;
    // Appends what the source waits for now (nothing is fine).
    virtual void AddWaitHandles(std::vector<platform::WaitHandle>& handles) = 0;
    // After a wait: the handles this source added, their ready flags set, when one is ready.
    virtual void OnWaitHandles(std::span<const platform::WaitHandle> handles) = 0;
};

// A source registers for its life; unregistering inside a callback is allowed.
void RegisterWaitSource(CWaitSource* source);
void UnregisterWaitSource(CWaitSource* source);

// Backend::WaitEvent that also ends when a registered source's handle is ready; those sources
// are called before it returns. True when `event` was filled.
bool WaitForEventOrSources(platform::Backend& backend, platform::Event& event, uint32_t timeoutMs);
