#include <gtest/gtest.h>

#include <cstring>

#include "platform/sdl/SdlEventTranslator.h"

namespace platform::sdl {
namespace {

constexpr Uint32 kUserType = SDL_USEREVENT + 3;
constexpr Uint32 kSplashId = 9;

class SdlEventTranslatorTest : public ::testing::Test {
protected:
    std::deque<Event> Run(const SDL_Event& event) {
        std::deque<Event> out;
        translator.Translate(event, out);
        return out;
    }
    std::deque<Event> Key(Uint32 type, SDL_Keycode sym, Uint16 mod = KMOD_NONE, Uint8 repeat = 0,
                          SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN) {
        SDL_Event event{};
        event.type = type;
        event.key.windowID = 1;
        event.key.repeat = repeat;
        event.key.keysym.sym = sym;
        event.key.keysym.mod = mod;
        event.key.keysym.scancode = scancode;
        return Run(event);
    }
    std::deque<Event> Text(const char* utf8) {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        event.text.windowID = 1;
        std::strncpy(event.text.text, utf8, sizeof(event.text.text) - 1);
        return Run(event);
    }
    std::deque<Event> Button(Uint32 type, Uint8 button, Uint8 clicks, Uint32 window = 1) {
        SDL_Event event{};
        event.type = type;
        event.button.windowID = window;
        event.button.button = button;
        event.button.clicks = clicks;
        event.button.x = -4;
        event.button.y = 30;
        return Run(event);
    }

    SdlEventTranslator translator{kUserType, [](Uint32 id) { return id == kSplashId; }};
};


TEST_F(SdlEventTranslatorTest, KeysBecomeWindowsVirtualKeys) {
    auto key = [this](SDL_Keycode sym, Uint16 mod = KMOD_NONE, SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN) {
        auto events = Key(SDL_KEYUP, sym, mod, 0, scancode);
        return events.empty() ? 0 : events.front().key;
    };
    EXPECT_EQ(key(SDLK_a), 'A');
    EXPECT_EQ(key(SDLK_z), 'Z');
    EXPECT_EQ(key(SDLK_0), '0');
    EXPECT_EQ(key(SDLK_BACKSPACE), 8);
    EXPECT_EQ(key(SDLK_TAB), 9);
    EXPECT_EQ(key(SDLK_RETURN), 13);
    EXPECT_EQ(key(SDLK_RSHIFT), 16);
    EXPECT_EQ(key(SDLK_LCTRL), 17);
    EXPECT_EQ(key(SDLK_RALT), 18);
    EXPECT_EQ(key(SDLK_ESCAPE), 27);
    EXPECT_EQ(key(SDLK_SPACE), 32);
    EXPECT_EQ(key(SDLK_PAGEUP), 33);
    EXPECT_EQ(key(SDLK_PAGEDOWN), 34);
    EXPECT_EQ(key(SDLK_END), 35);
    EXPECT_EQ(key(SDLK_HOME), 36);
    EXPECT_EQ(key(SDLK_LEFT), 37);
    EXPECT_EQ(key(SDLK_UP), 38);
    EXPECT_EQ(key(SDLK_RIGHT), 39);
    EXPECT_EQ(key(SDLK_DOWN), 40);
    EXPECT_EQ(key(SDLK_INSERT), 45);
    EXPECT_EQ(key(SDLK_DELETE), 46);
    EXPECT_EQ(key(SDLK_F1), 112);
    EXPECT_EQ(key(SDLK_F12), 123);
    EXPECT_EQ(key(SDLK_KP_7, KMOD_NUM), 103);
    EXPECT_EQ(key(SDLK_KP_7), 36) << "Num Lock off: the keypad moves the caret";
    EXPECT_EQ(key(SDLK_KP_PLUS), 107);
    EXPECT_EQ(key(SDLK_KP_DIVIDE), 111);
    EXPECT_EQ(key(SDLK_KP_ENTER), 13);
    EXPECT_EQ(key(SDLK_SEMICOLON), 0xBA);
    EXPECT_EQ(key(SDLK_MINUS), 0xBD);
    EXPECT_EQ(key(SDLK_QUOTE), 0xDE);
    EXPECT_EQ(key(0x044F, KMOD_NONE, SDL_SCANCODE_Z), 'Z') << "a Cyrillic layout's key by its position";
    EXPECT_TRUE(Key(SDL_KEYDOWN, SDLK_VOLUMEUP).empty());
}

TEST_F(SdlEventTranslatorTest, ControlKeysTypeTheCharactersAWindowGets) {
    auto chars = [this](SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
        std::vector<int> typed;
        for (const Event& e : Key(SDL_KEYDOWN, sym, mod)) {
            if (e.type == EventType::Char) typed.push_back(e.ch);
        }
        return typed;
    };
    EXPECT_EQ(chars(SDLK_BACKSPACE), std::vector<int>{8});
    EXPECT_EQ(chars(SDLK_TAB), std::vector<int>{9});
    EXPECT_EQ(chars(SDLK_RETURN), std::vector<int>{13});
    EXPECT_EQ(chars(SDLK_KP_ENTER), std::vector<int>{13});
    EXPECT_EQ(chars(SDLK_ESCAPE), std::vector<int>{27});
    EXPECT_EQ(chars(SDLK_c, KMOD_LCTRL), std::vector<int>{3});
    EXPECT_EQ(chars(SDLK_z, KMOD_RCTRL), std::vector<int>{26});
    EXPECT_TRUE(chars(SDLK_c).empty()) << "printable text comes from text input";
    EXPECT_TRUE(chars(SDLK_c, KMOD_LCTRL | KMOD_RALT).empty());
    EXPECT_TRUE(Key(SDL_KEYUP, SDLK_RETURN).size() == 1) << "no character on release";

    translator.SetTextInput(false);
    EXPECT_TRUE(chars(SDLK_RETURN).empty());
}

TEST_F(SdlEventTranslatorTest, AltCombinationsAndF10AreSystemKeys) {
    EXPECT_TRUE(Key(SDL_KEYDOWN, SDLK_LALT, KMOD_LALT).front().system);
    EXPECT_TRUE(Key(SDL_KEYUP, SDLK_LALT).front().system);
    EXPECT_TRUE(Key(SDL_KEYDOWN, SDLK_F4, KMOD_LALT).front().system);
    EXPECT_TRUE(Key(SDL_KEYDOWN, SDLK_F10).front().system);
    EXPECT_FALSE(Key(SDL_KEYDOWN, SDLK_F4).front().system);
    EXPECT_FALSE(Key(SDL_KEYDOWN, SDLK_a, KMOD_LCTRL).front().system);
    // Ctrl+Alt (AltGr) combinations are ordinary keys.
    EXPECT_FALSE(Key(SDL_KEYDOWN, SDLK_q, KMOD_LCTRL | KMOD_RALT).front().system);
    EXPECT_FALSE(Key(SDL_KEYDOWN, SDLK_RALT, KMOD_LCTRL | KMOD_RALT).front().system);
}

TEST_F(SdlEventTranslatorTest, RepeatsAreMarkedDownToTheirText) {
    auto first = Key(SDL_KEYDOWN, SDLK_BACKSPACE);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_FALSE(first[0].repeat);
    EXPECT_FALSE(first[1].repeat);
    auto again = Key(SDL_KEYDOWN, SDLK_BACKSPACE, KMOD_NONE, 1);
    ASSERT_EQ(again.size(), 2u);
    EXPECT_TRUE(again[0].repeat);
    EXPECT_TRUE(again[1].repeat);

    Key(SDL_KEYDOWN, SDLK_x, KMOD_NONE, 1);
    EXPECT_TRUE(Text("x").front().repeat);
    Key(SDL_KEYDOWN, SDLK_y);
    EXPECT_FALSE(Text("y").front().repeat);
}

TEST_F(SdlEventTranslatorTest, TextArrivesAsCp1252BytesAndUnmappableCharactersAreDropped) {
    std::string typed;
    // e-acute, euro, a CJK character (no cp1252), an emoji (no cp1252), a stray continuation byte.
    for (const Event& e : Text("a\xC3\xA9\xE2\x82\xAC\xE4\xB8\xAD\xF0\x9F\x98\x80?\x80z")) {
        ASSERT_EQ(e.type, EventType::Char);
        typed += static_cast<char>(e.ch);
    }
    EXPECT_EQ(typed, "a\xE9\x80?z");
    translator.SetTextInput(false);
    EXPECT_TRUE(Text("a").empty());
}

TEST_F(SdlEventTranslatorTest, EverySecondPressOfARunIsADoubleClick) {
    auto type = [this](Uint32 sdlType, Uint8 button, Uint8 clicks) {
        auto events = Button(sdlType, button, clicks);
        return events.empty() ? EventType::None : events.front().type;
    };
    EXPECT_EQ(type(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1), EventType::MouseDown);
    EXPECT_EQ(type(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 2), EventType::MouseDoubleClick);
    EXPECT_EQ(type(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 3), EventType::MouseDown);
    EXPECT_EQ(type(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 2), EventType::MouseUp);
    EXPECT_EQ(type(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 1), EventType::None);
    const Event right = Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 2).front();
    EXPECT_EQ(right.button, 1);
    EXPECT_EQ(right.x, -4);
    EXPECT_EQ(right.y, 30);
    EXPECT_TRUE(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, kSplashId).empty()) << "the splash is not the shell's";
}

TEST_F(SdlEventTranslatorTest, WindowAndUserEvents) {
    auto window = [this](Uint8 what, Uint32 id = 1) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = what;
        event.window.windowID = id;
        auto events = Run(event);
        return events.empty() ? EventType::None : events.front().type;
    };
    EXPECT_EQ(window(SDL_WINDOWEVENT_CLOSE), EventType::CloseRequested);
    EXPECT_EQ(window(SDL_WINDOWEVENT_FOCUS_GAINED), EventType::Activated);
    EXPECT_EQ(window(SDL_WINDOWEVENT_FOCUS_LOST), EventType::Deactivated);
    EXPECT_EQ(window(SDL_WINDOWEVENT_EXPOSED), EventType::Exposed);
    EXPECT_EQ(window(SDL_WINDOWEVENT_SIZE_CHANGED), EventType::Exposed);
    EXPECT_EQ(window(SDL_WINDOWEVENT_FOCUS_GAINED, kSplashId), EventType::None);
    EXPECT_EQ(window(SDL_WINDOWEVENT_MOVED), EventType::None);

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    EXPECT_EQ(Run(quit).front().type, EventType::CloseRequested);
    SDL_Event reset{};
    reset.type = SDL_RENDER_TARGETS_RESET;
    EXPECT_EQ(Run(reset).front().type, EventType::RendererReset);

    SDL_Event user{};
    user.type = kUserType;
    user.user.code = 2026;
    user.user.data1 = reinterpret_cast<void*>(intptr_t{-5});
    user.user.data2 = reinterpret_cast<void*>(intptr_t{0x12345678});
    const Event posted = Run(user).front();
    EXPECT_EQ(posted.type, EventType::User);
    EXPECT_EQ(posted.message, 2026);
    EXPECT_EQ(posted.a, -5);
    EXPECT_EQ(posted.b, 0x12345678);
}

}  // namespace
}  // namespace platform::sdl
