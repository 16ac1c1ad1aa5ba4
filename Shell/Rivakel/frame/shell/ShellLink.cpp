// What the shell window does for the running game: its boxes, its e-mail confirmations and the
// answers it is owed.
#include <array>
#include <utility>

#include "core/base/Log.h"
#include "frame/dialogs/DialogTemplate.h"
#include "frame/dialogs/ShellDialogs.h"
#include "frame/host/GameHost.h"
#include "frame/shell/Shell.h"

int CShell::MessageBox(std::string_view caption, std::string_view text, int flags) {
    return ShowMessageBox(caption, text, flags);
}

int CShell::InputBox(std::string_view caption, std::string_view prompt, std::string_view initialText, size_t maxLength,
                     bool withCancel, std::string& entry) {
    return ::InputBox(caption, prompt, initialText, maxLength, withCancel ? kMessageBoxOkCancel : 0, entry);
}

void CShell::ConfirmEmail(EmailConfirmation request) {
    std::array<char, 256> game{};
    if (const CGameHost* host = GameHost()) host->GetGameName(game);
    DialogTemplate question{"CONFIRM_EMAIL", "Confirm E-Mail Use", 0, 0, {}};
    question.controls.push_back({DialogControlKind::Text, -1,
                                 "The application '" + std::string(game.data()) +
                                     "' is attempting to send an e-mail to:\n" + request.recipient + "\n\nContinue?",
                                 false});
    question.controls.push_back({DialogControlKind::Button, kIdAccept, "&Yes", false});
    question.controls.push_back({DialogControlKind::Button, kIdLater, "&No", true});
    const std::function<void(bool)> answer = request.answer;
    if (AskQuestion(question, kIdLater) != kIdAccept) {
        Answer(std::make_unique<PendingAnswer>(PendingAnswer{this, answer, false, nullptr}));
        return;
    }
    if (!mailSender_) {
        Warning("CShell::ConfirmEmail: no mailing can be sent yet; the game is told it failed");
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

std::optional<std::string> CShell::TakePendingMessage() { return std::exchange(pendingMessage_, std::nullopt); }

void CShell::GameStopped() {
    answers_.clear();
    // The stop mode was the game's.
    mode_ = kStopAsk;
    menuFlags_ = 0;
}
