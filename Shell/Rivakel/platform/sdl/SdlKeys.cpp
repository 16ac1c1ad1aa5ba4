#include "platform/sdl/SdlKeys.h"

#include "platform/Platform.h"

namespace platform::sdl {
namespace {

// The keypad with Num Lock off moves the caret, as on Windows.
int KeypadNavigationKey(SDL_Keycode sym) {
    switch (sym) {
        case SDLK_KP_0: return VkInsert;
        case SDLK_KP_1: return VkEnd;
        case SDLK_KP_2: return VkDown;
        case SDLK_KP_3: return VkNext;
        case SDLK_KP_4: return VkLeft;
        case SDLK_KP_5: return VkClear;
        case SDLK_KP_6: return VkRight;
        case SDLK_KP_7: return VkHome;
        case SDLK_KP_8: return VkUp;
        case SDLK_KP_9: return VkPrior;
        case SDLK_KP_PERIOD: return VkDelete;
        default: return 0;
    }
}

int KeypadKey(SDL_Keycode sym, Uint16 mod) {
    if ((mod & KMOD_NUM) == 0) {
        if (int key = KeypadNavigationKey(sym); key != 0) return key;
    }
    switch (sym) {
        case SDLK_KP_0: return VkNumpad0;
        case SDLK_KP_1: return VkNumpad0 + 1;
        case SDLK_KP_2: return VkNumpad0 + 2;
        case SDLK_KP_3: return VkNumpad0 + 3;
        case SDLK_KP_4: return VkNumpad0 + 4;
        case SDLK_KP_5: return VkNumpad0 + 5;
        case SDLK_KP_6: return VkNumpad0 + 6;
        case SDLK_KP_7: return VkNumpad0 + 7;
        case SDLK_KP_8: return VkNumpad0 + 8;
        case SDLK_KP_9: return VkNumpad0 + 9;
        case SDLK_KP_PERIOD: return VkDecimal;
        case SDLK_KP_DIVIDE: return VkDivide;
        case SDLK_KP_MULTIPLY: return VkMultiply;
        case SDLK_KP_MINUS: return VkSubtract;
        case SDLK_KP_PLUS: return VkAdd;
        case SDLK_KP_ENTER: return VkReturn;
        case SDLK_KP_COMMA: return VkSeparator;
        default: return 0;
    }
}

int NamedKey(SDL_Keycode sym) {
    switch (sym) {
        case SDLK_BACKSPACE: return VkBack;
        case SDLK_TAB: return VkTab;
        case SDLK_CLEAR: return VkClear;
        case SDLK_RETURN: return VkReturn;
        case SDLK_RETURN2: return VkReturn;
        case SDLK_LSHIFT: case SDLK_RSHIFT: return VkShift;
        case SDLK_LCTRL: case SDLK_RCTRL: return VkControl;
        case SDLK_LALT: case SDLK_RALT: return VkMenu;
        case SDLK_PAUSE: return VkPause;
        case SDLK_CAPSLOCK: return VkCapital;
        case SDLK_ESCAPE: return VkEscape;
        case SDLK_SPACE: return VkSpace;
        case SDLK_PAGEUP: return VkPrior;
        case SDLK_PAGEDOWN: return VkNext;
        case SDLK_END: return VkEnd;
        case SDLK_HOME: return VkHome;
        case SDLK_LEFT: return VkLeft;
        case SDLK_UP: return VkUp;
        case SDLK_RIGHT: return VkRight;
        case SDLK_DOWN: return VkDown;
        case SDLK_PRINTSCREEN: return VkSnapshot;
        case SDLK_INSERT: return VkInsert;
        case SDLK_DELETE: return VkDelete;
        case SDLK_LGUI: return VkLWin;
        case SDLK_RGUI: return VkRWin;
        case SDLK_APPLICATION: return VkApps;
        case SDLK_NUMLOCKCLEAR: return VkNumLock;
        case SDLK_SCROLLLOCK: return VkScroll;
        case SDLK_SEMICOLON: return VkOem1;
        case SDLK_EQUALS: case SDLK_PLUS: return VkOemPlus;
        case SDLK_COMMA: return VkOemComma;
        case SDLK_MINUS: return VkOemMinus;
        case SDLK_PERIOD: return VkOemPeriod;
        case SDLK_SLASH: return VkOem2;
        case SDLK_BACKQUOTE: return VkOem3;
        case SDLK_LEFTBRACKET: return VkOem4;
        case SDLK_BACKSLASH: return VkOem5;
        case SDLK_RIGHTBRACKET: return VkOem6;
        case SDLK_QUOTE: return VkOem7;
        case SDLK_LESS: return VkOem102;
        default: return 0;
    }
}

int FunctionKey(SDL_Keycode sym) {
    if (sym >= SDLK_F1 && sym <= SDLK_F12) return VkF1 + (sym - SDLK_F1);
    if (sym >= SDLK_F13 && sym <= SDLK_F24) return VkF1 + 12 + (sym - SDLK_F13);
    return 0;
}

// Letters and digits by their position, for layouts whose keys type other scripts.
int KeyByPosition(SDL_Scancode scancode) {
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return 'A' + (scancode - SDL_SCANCODE_A);
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return '1' + (scancode - SDL_SCANCODE_1);
    if (scancode == SDL_SCANCODE_0) return '0';
    if (scancode == SDL_SCANCODE_NONUSBACKSLASH) return VkOem102;
    return 0;
}

}  // namespace

int VirtualKeyOf(const SDL_Keysym& keysym) {
    const SDL_Keycode sym = keysym.sym;
    if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + (sym - SDLK_a);
    if (sym >= SDLK_0 && sym <= SDLK_9) return '0' + (sym - SDLK_0);
    if (int key = KeypadKey(sym, keysym.mod); key != 0) return key;
    if (int key = FunctionKey(sym); key != 0) return key;
    if (int key = NamedKey(sym); key != 0) return key;
    return KeyByPosition(keysym.scancode);
}

std::optional<uint8_t> ControlCharOf(int virtualKey, Uint16 mod) {
    const bool ctrl = (mod & KMOD_CTRL) != 0;
    // Ctrl+Alt types what AltGr types; text input brings that.
    if ((mod & KMOD_ALT) != 0) return std::nullopt;
    switch (virtualKey) {
        case VkBack: return static_cast<uint8_t>(ctrl ? 0x7F : 0x08);
        case VkTab: return ctrl ? std::nullopt : std::optional<uint8_t>(0x09);
        case VkReturn: return static_cast<uint8_t>(ctrl ? 0x0A : 0x0D);
        case VkEscape: return static_cast<uint8_t>(0x1B);
        default: break;
    }
    if (ctrl && virtualKey >= 'A' && virtualKey <= 'Z') return static_cast<uint8_t>(virtualKey - 'A' + 1);
    return std::nullopt;
}

bool IsSystemKey(int virtualKey, Uint16 mod) {
    // With Ctrl held, Alt combinations are ordinary keys (Ctrl+Alt is how AltGr arrives).
    if (virtualKey == VkF10) return true;
    return (mod & KMOD_CTRL) == 0 && ((mod & KMOD_ALT) != 0 || virtualKey == VkMenu);
}

}  // namespace platform::sdl
