#include "platform/sdl/SdlEventTranslator.h"

#include <cstring>
#include <string>
#include <string_view>

#include "platform/Cp1252.h"
#include "platform/sdl/SdlKeys.h"

namespace platform::sdl {
namespace {

int ButtonNumber(Uint8 button) {
    if (button == SDL_BUTTON_LEFT) return 0;
    if (button == SDL_BUTTON_RIGHT) return 1;
    return -1;
}

// Length of the UTF-8 sequence a lead byte starts; 1 for stray bytes, so they become '?'.
size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

}  // namespace

SdlEventTranslator::SdlEventTranslator(Uint32 userEventType, std::function<bool(Uint32 windowId)> ignoredWindow)
    : userEventType_(userEventType), ignoredWindow_(std::move(ignoredWindow)) {}

void SdlEventTranslator::Translate(const SDL_Event& event, std::deque<Event>& out) {
    if (event.type == userEventType_ && userEventType_ != 0) {
        out.push_back(Event{.type = EventType::User,
                            .message = event.user.code,
                            .a = reinterpret_cast<intptr_t>(event.user.data1),
                            .b = reinterpret_cast<intptr_t>(event.user.data2)});
        return;
    }
    switch (event.type) {
        case SDL_QUIT:
            out.push_back(Event{.type = EventType::CloseRequested});
            return;
        case SDL_WINDOWEVENT:
            TranslateWindowEvent(event.window, out);
            return;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            out.push_back(Event{.type = EventType::RendererReset});
            return;
        case SDL_DISPLAYEVENT:
            out.push_back(Event{.type = EventType::DisplayChanged});
            return;
        case SDL_MOUSEMOTION:
            if (ignoredWindow_(event.motion.windowID)) return;
            out.push_back(Event{.type = EventType::MouseMove, .x = event.motion.x, .y = event.motion.y});
            return;
        case SDL_MOUSEWHEEL: {
            const SDL_MouseWheelEvent& w = event.wheel;
            const int notches = w.direction == SDL_MOUSEWHEEL_FLIPPED ? -w.y : w.y;
            if (notches == 0 || ignoredWindow_(w.windowID)) return;
            out.push_back(Event{.type = EventType::MouseWheel, .x = w.mouseX, .y = w.mouseY, .wheel = notches});
            return;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const SDL_MouseButtonEvent& b = event.button;
            const int button = ButtonNumber(b.button);
            if (button < 0 || ignoredWindow_(b.windowID)) return;
            EventType type = EventType::MouseUp;
            // Every second press of a run of clicks is a double click, as Windows reports them.
            if (event.type == SDL_MOUSEBUTTONDOWN) {
                type = (b.clicks >= 2 && b.clicks % 2 == 0) ? EventType::MouseDoubleClick : EventType::MouseDown;
            }
            out.push_back(Event{.type = type, .x = b.x, .y = b.y, .button = button});
            return;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (ignoredWindow_(event.key.windowID)) return;
            TranslateKey(event.key, out);
            return;
        case SDL_TEXTINPUT:
            if (!textInput_ || ignoredWindow_(event.text.windowID)) return;
            TranslateText(event.text.text, out);
            return;
        default:
            return;
    }
}

void SdlEventTranslator::TranslateWindowEvent(const SDL_WindowEvent& event, std::deque<Event>& out) {
    if (ignoredWindow_(event.windowID)) return;
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE:
            out.push_back(Event{.type = EventType::CloseRequested});
            return;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            out.push_back(Event{.type = EventType::Activated});
            return;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            out.push_back(Event{.type = EventType::Deactivated});
            return;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESTORED:
            out.push_back(Event{.type = EventType::Exposed});
            return;
        default:
            return;
    }
}

void SdlEventTranslator::TranslateKey(const SDL_KeyboardEvent& event, std::deque<Event>& out) {
    const int key = VirtualKeyOf(event.keysym);
    const bool down = event.type == SDL_KEYDOWN;
    const bool repeat = down && event.repeat != 0;
    if (down) lastKeyDownRepeated_ = repeat;
    if (key == 0) return;
    out.push_back(Event{.type = down ? EventType::KeyDown : EventType::KeyUp,
                        .key = key,
                        .system = IsSystemKey(key, event.keysym.mod),
                        .repeat = repeat});
    if (!down || !textInput_) return;
    if (auto ch = ControlCharOf(key, event.keysym.mod)) {
        out.push_back(Event{.type = EventType::Char, .ch = *ch, .repeat = repeat});
    }
}

void SdlEventTranslator::TranslateText(const char* utf8, std::deque<Event>& out) {
    const std::string_view text(utf8, strnlen(utf8, sizeof(SDL_TextInputEvent::text)));
    size_t at = 0;
    while (at < text.size()) {
        const size_t length = std::min(SequenceLength(static_cast<unsigned char>(text[at])), text.size() - at);
        const std::string_view sequence = text.substr(at, length);
        at += length;
        const std::string converted = Utf8ToCp1252(sequence);
        // Characters cp1252 cannot hold are dropped rather than typed as '?'.
        if (converted == "?" && sequence != "?") continue;
        for (char c : converted) {
            out.push_back(Event{.type = EventType::Char, .ch = static_cast<uint8_t>(c), .repeat = lastKeyDownRepeated_});
        }
    }
}

}  // namespace platform::sdl
