// What the shell window does for the running game: its boxes, its e-mail confirmations and the
// answers it is owed.
#include <utility>

#include "core/base/Log.h"
#include "core/dialogs/ShellDialogs.h"
#include "frame/shell/Shell.h"

int CShell::MessageBox(std::string_view caption, std::string_view text, int flags) {
    return ShowMessageBox(caption, text, flags);
}

int CShell::InputBox(std::string_view caption, std::string_view prompt, std::string_view initialText, size_t maxLength,
                     bool withCancel, std::string& entry) {
    return ::InputBox(caption, prompt, initialText, maxLength, withCancel ? kMessageBoxOkCancel : 0, entry);
}

void CShell::ConfirmEmail(EmailConfirmation request) {
    const std::function<void(bool)> answer = request.answer;
    if (!mailSender_) {
        Warning("CShell::ConfirmEmail: no mailing can be sent; the game is told it failed");
        Answer(std::make_unique<PendingAnswer>(PendingAnswer{this, answer, false, nullptr}));
        return;
    }
    mailSender_(std::move(request),
                [this, answer](bool sent) { Answer(std::make_unique<PendingAnswer>(PendingAnswer{this, answer, sent, nullptr})); });
}

void CShell::Answer(std::unique_ptr<PendingAnswer> answer) {
    if (!GameRunning()) return;
    answer->timer = std::make_unique<CTimer>(answer.get(), 0, OnAnswerTick);
    answer->timer->SetClock(TimerClock::Wall);
    answer->timer->Start();
    answers_.push_back(std::move(answer));
}

int CShell::OnAnswerTick(intptr_t* args) {
    auto* answer = reinterpret_cast<PendingAnswer*>(args[0]);
    CShell* self = answer->shell;
    // Out of the list first: the game may stop itself from inside its callback.
    std::unique_ptr<PendingAnswer> owned;
    for (auto it = self->answers_.begin(); it != self->answers_.end(); ++it) {
        if (it->get() == answer) {
            owned = std::move(*it);
            self->answers_.erase(it);
            break;
        }
    }
    if (!owned) return 0;
    owned->timer->Stop();
    if (owned->answer) owned->answer(owned->sent);
    return 0;
}

std::optional<std::string> CShell::TakePendingMessage() {
    if (!messageStarted_) return std::nullopt;
    messageStarted_ = false;
    return std::exchange(pendingMessage_, std::nullopt);
}

void CShell::GameStopped() {
    answers_.clear();
    if (std::exchange(messageStarted_, false)) pendingMessage_.reset();
    if (mailGameStopped_) mailGameStopped_();
    // The stop mode was the game's.
    mode_ = kStopAsk;
    menuFlags_ = 0;
}
