// The input service: the window's key and mouse events become shell events. It keeps the
// key-state table, repeats held keys itself, sends mouse input to the session's event service and knows which text field, if any, has the
// keyboard; without one, keys are translated to shell key codes and fired by code.
#pragma once

#include <cstdint>
#include <memory>

#include "core/base/Timer.h"
#include "core/graphics/KeyRepeat.h"
#include "core/graphics/KeyStateTable.h"
#include "platform/Platform.h"

// A holder of the keyboard focus (the edit field). Keys go to it instead of the shell's events.
class IKeyFocus {
public:
    virtual ~IKeyFocus() = default;
    virtual void OnKeyDown(int virtualKey) = 0;
    virtual void OnChar(uint8_t character) = 0;
    virtual void OnKeyUp(int virtualKey) = 0;
    virtual void OnFocusChanged(bool focused) = 0;
};

class CSubsystem_Input {
public:
    CSubsystem_Input();
    ~CSubsystem_Input();
    CSubsystem_Input(const CSubsystem_Input&) = delete;
    CSubsystem_Input& operator=(const CSubsystem_Input&) = delete;

    // Code 11 key down, 12 character, 13 key up; fires the key event by code. -1 for the Enter
    // key-down (Enter reaches listeners as character 13 and key up) or without an event service.
    int TranslateKey(int code, int key);
    int ForwardMouse(int code, int x, int y, intptr_t data = 0);
    // The keyboard goes back to the main window: no field holds it. 0.
    int FocusMainWindow(intptr_t ignored);
    // The key state of a shell key code; other values are taken as virtual keys.
    int16_t IsKeyDown(int shellKey) const;
    int16_t GetKeyState(int virtualKey) const { return keys_.GetKeyState(virtualKey); }

    // The shell key code of a key (codes 11 and 13) or character (code 12).
    static int ShellKeyOf(int code, int key);

    // Feeds one window event: keys, characters and mouse input are handled here (true);
    // deactivation also releases every held key (false, so the caller handles it too).
    bool HandlePlatformEvent(const platform::Event& event);
    // Sends the key repeat that is due at `nowMs`, if any.
    void TickRepeat(uint32_t nowMs);
    // A modal box takes the keyboard: the key held when it opened does not come again, neither
    // under the box nor after it. Its release still reaches the key-state table.
    void StopKeyRepeat();

    // Gives the keyboard to `focus` (null: the main window), telling the old and new holder. 0.
    int SetFocus(IKeyFocus* focus);
    IKeyFocus* Focus() const { return focus_; }
    // A holder is going away: it must not be called again.
    void FocusGone(IKeyFocus* focus);
    CKeyStateTable& KeyStates() { return keys_; }

private:
    int OnRepeatTimer();
    void Deliver(int code, int key);
    static uint32_t Now();

    CKeyStateTable keys_;
    CKeyRepeat repeat_;
    std::unique_ptr<CTimer> repeatTimer_;
    IKeyFocus* focus_ = nullptr;
};

// The session's input service; null outside the session.
CSubsystem_Input* InputService();
// Creates it (replacing an earlier one); it reaches the session's event service when input comes.
CSubsystem_Input* CreateInputService();
void DestroyInputService();
