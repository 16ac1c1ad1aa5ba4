// What a running game's services need from the shell window. The shell window implements it;
// services made without one answer on their own (see MakeShellServices).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "frame/api/IShellServices.h"

class CRefCounted;

// A request of ConfirmEmail, with the applet's strings copied.
struct EmailConfirmation {
    std::string firstText;
    std::string recipient;
    std::string thirdText;
    std::string itemText;
    int userData = 0;
    // Tells the game how the request ended; call it once. true calls the game's okCallback
    // with 0, false its failCallback with 33. It runs as a call into the game, and does
    // nothing once that game has stopped: the game's callbacks are never called directly.
    std::function<void(bool sent)> answer;
};

class ShellWindowLink {
public:
    virtual ~ShellWindowLink() = default;

    // The object the shell window keys its own events by (Instructions, code 17): the services
    // stand for it, so an applet subscribing with the services object reaches those events.
    // The window fires them with this very pointer as sender.
    virtual CRefCounted* EventSender() = 0;
    // kStopFreely, kStopAsk or kStopNever.
    virtual void SetStopMode(int mode) = 0;
    // Known kMenu* bits only; rebuilds the menu bar.
    virtual void SetMenuFlags(int flags) = 0;
    // Draws the window now, before a modal box covers it.
    virtual void Repaint() = 0;
    // Modal boxes drawn in the window; the services pause the game clock around them.
    // 1 OK, 2 Cancel, 0 otherwise.
    virtual int MessageBox(std::string_view caption, std::string_view text, int flags) = 0;
    // Without `withCancel` only OK closes the box. On OK `entry` holds at most `maxLength`
    // characters and the result is 1; Cancel answers 2.
    virtual int InputBox(std::string_view caption, std::string_view prompt, std::string_view initialText,
                         size_t maxLength, bool withCancel, std::string& entry) = 0;
    // Asks the user, sends the mailing and calls exactly one of the request's callbacks later.
    virtual void ConfirmEmail(EmailConfirmation request) = 0;
    // The personalized message the shell was started with, handed over once.
    virtual std::optional<std::string> TakePendingMessage() = 0;

protected:
    ShellWindowLink() = default;
    ShellWindowLink(const ShellWindowLink&) = default;
    ShellWindowLink& operator=(const ShellWindowLink&) = default;
};
