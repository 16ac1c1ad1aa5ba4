// Turns SDL events into layer events. Kept apart from the backend so that it can be fed
// hand-made SDL events.
#pragma once

#include <SDL.h>

#include <deque>
#include <functional>

#include "platform/Platform.h"

namespace platform::sdl {

class SdlEventTranslator {
public:
    // `userEventType`: the SDL event type PostUserEvent pushes. `ignoredWindow`: windows whose
    // events the shell never sees (splash windows).
    SdlEventTranslator(Uint32 userEventType, std::function<bool(Uint32 windowId)> ignoredWindow);

    // Characters are made only while text input is on.
    void SetTextInput(bool on) { textInput_ = on; }
    bool TextInput() const { return textInput_; }

    // Appends the layer events for `event` (none, one or several) to `out`.
    void Translate(const SDL_Event& event, std::deque<Event>& out);

private:
    void TranslateWindowEvent(const SDL_WindowEvent& event, std::deque<Event>& out);
    void TranslateKey(const SDL_KeyboardEvent& event, std::deque<Event>& out);
    void TranslateText(const char* utf8, std::deque<Event>& out);

    Uint32 userEventType_;
    std::function<bool(Uint32)> ignoredWindow_;
    bool textInput_ = true;
    bool lastKeyDownRepeated_ = false;  // text input that follows a repeated key down repeats too
};

}  // namespace platform::sdl
