// The box the shell puts up when a game asks to send a data mailing: it names the game and the
// recipient, sends only on Yes, shows "Contacting Server" while the message is on its way and
// then the outcome; the game hears Ok (0) after the user's Ok and a refusal (33) on No, Cancel
// or a request it cannot take.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/base/Timer.h"
#include "core/outbox/ReplyWait.h"
#include "frame/services/ShellWindowLink.h"

class CShell;
class CSurface;

class CMailConfirmBox {
public:
    enum class State { Idle, Asking, Sending, Result };
    // User values of the box's buttons.
    static constexpr int kYes = 0, kNo = 1, kCancel = 2, kOkBase = 1000;
    static constexpr int kLeft = 238, kTop = 230, kRight = 562, kBottom = 342;

    explicit CMailConfirmBox(CShell& shell) : shell_(shell) {}
    ~CMailConfirmBox();
    CMailConfirmBox(const CMailConfirmBox&) = delete;
    CMailConfirmBox& operator=(const CMailConfirmBox&) = delete;

    // `answer(true)` after the user's Ok, `answer(false)` on No or Cancel; a request while one is
    // up, or with an item too long to send, is refused at once.
    void Ask(EmailConfirmation request, std::function<void(bool ok)> answer);
    // The game stopped: the box closes and the game hears nothing more.
    void GameStopped();
    // What a button of the box does (user values above).
    void Press(int value);

    State CurrentState() const { return state_; }
    CSurface* Box() const { return box_; }
    // The status the result shows (meaningful in State::Result).
    int ResultStatus() const { return status_; }

private:
    void SendDataMail();
    void ShowResult(int status);
    void Close();
    void Blink();
    void DrawOutline(uint32_t colour);
    void AddButton(const char* label, int x, int value);
    int OnButton(intptr_t* record);
    int OnBlinkTick();

    CShell& shell_;
    State state_ = State::Idle;
    EmailConfirmation request_;
    std::function<void(bool)> answer_;
    CSurface* box_ = nullptr;
    bool wasPaused_ = false;
    int status_ = 0;
    ReplyWait wait_;
    std::unique_ptr<CTimer> blinkTimer_;
    int blinkStep_ = 0;
};
