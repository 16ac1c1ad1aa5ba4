#include "app/SingleInstance.h"

#include "app/MainWindowProc.h"
#include "app/ProgramState.h"

InstanceOutcome ClaimSingleInstance(platform::InstanceChannel& channel, platform::Backend& backend,
                                    const InstanceWait& wait) {
    if (channel.IsPrimary()) return InstanceOutcome::Primary;
    // No answer at all is read as shutting down: a first instance that is tearing down no
    // longer serves its channel.
    std::optional<int> answer = channel.Ask(kMsgShuttingDown, wait.askTimeoutMs);
    for (int poll = 0;; ++poll) {
        if (answer && *answer != 1) {
            channel.Ask(platform::kActivateRequest, wait.askTimeoutMs);
            return InstanceOutcome::ActivatedOther;
        }
        if (!channel.PrimaryAlive() && channel.TryBecomePrimary()) {
            backend.SleepMs(wait.settleMs);
            return InstanceOutcome::Primary;
        }
        if (poll >= wait.polls) return InstanceOutcome::OtherNeverStopped;
        backend.SleepMs(wait.intervalMs);
        // Still silent: it may be busy starting rather than stopping, so ask again.
        if (!answer) answer = channel.Ask(kMsgShuttingDown, static_cast<int>(wait.intervalMs));
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
