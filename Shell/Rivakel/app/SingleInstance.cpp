#include "app/SingleInstance.h"

#include <algorithm>

#include "app/MainWindowProc.h"
#include "app/ProgramState.h"
#include "core/base/WaitSources.h"

namespace {

// Waits until the backend's clock reads `until`; false when a termination signal came (also one
// that came while the question took the whole time).
bool WaitUntil(platform::Backend& backend, uint32_t until) {
    for (;;) {
        const auto left = std::max(static_cast<int32_t>(until - backend.TickMs()), 0);
        platform::Event event;
        const bool got = backend.WaitEvent(event, static_cast<uint32_t>(left));
        if (got && event.type == platform::EventType::SessionEnding) return false;
        if (!got && left == 0) return true;
    }
}

}  // namespace

InstanceOutcome ClaimSingleInstance(platform::InstanceChannel& channel, platform::Backend& backend,
                                    const InstanceWait& wait) {
    if (channel.IsPrimary()) return InstanceOutcome::Primary;
    // No answer at all is read as shutting down: a first instance that is tearing down no
    // longer serves its channel.
    std::optional<int> answer = channel.Ask(kMsgShuttingDown, wait.askTimeoutMs);
    const uint32_t start = backend.TickMs();
    for (int poll = 0;; ++poll) {
        if (answer && *answer != 1) {
            channel.Ask(platform::kActivateRequest, wait.askTimeoutMs);
            return InstanceOutcome::ActivatedOther;
        }
        if (!channel.PrimaryAlive() && channel.TryBecomePrimary()) {
            if (!WaitUntil(backend, backend.TickMs() + wait.settleMs)) return InstanceOutcome::EndedBySignal;
            return InstanceOutcome::Primary;
        }
        if (poll >= wait.polls) return InstanceOutcome::OtherNeverStopped;
        const uint32_t due = start + static_cast<uint32_t>(poll + 1) * wait.intervalMs;
        // Still silent: it may be busy starting rather than stopping, so ask again within the poll.
        if (!answer) {
            if (const auto left = static_cast<int32_t>(due - backend.TickMs()); left > 0) {
                answer = channel.Ask(kMsgShuttingDown, left);
            }
        }
        if (!WaitUntil(backend, due)) return InstanceOutcome::EndedBySignal;
    }
}

int AnswerInstanceQuestion(int message) {
    if (message != platform::kActivateRequest) return AnswerPrivateMessage(message, 0, 0);
    if (platform::Window* window = Program().mainWindow.get()) {
        if (window->IsMinimized()) window->Restore();
        window->Raise();
    }
    return 0;
}

void ServeInstanceChannel() {
    if (platform::InstanceChannel* channel = Program().instance.get()) channel->Serve(AnswerInstanceQuestion);
}

namespace {

// The first instance's channel in the loop's wait: served when a later start asks, not on every
// turn of the loop.
class InstanceChannelSource final : public CWaitSource {
public:
    void AddWaitHandles(std::vector<platform::WaitHandle>& handles) override {
        const platform::InstanceChannel* channel = Program().instance.get();
        if (channel != nullptr && channel->WaitHandle() >= 0) {
            handles.push_back({.descriptor = channel->WaitHandle(), .read = true});
        }
    }
    void OnWaitHandles(std::span<const platform::WaitHandle> /*handles*/) override { ServeInstanceChannel(); }
};

InstanceChannelSource& ChannelSource() {
    static InstanceChannelSource source;
    return source;
}

}  // namespace

void WatchInstanceChannel(bool watch) {
    if (watch) {
        RegisterWaitSource(&ChannelSource());
    } else {
        UnregisterWaitSource(&ChannelSource());
    }
}
