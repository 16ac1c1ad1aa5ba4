// SDL keys to the Windows virtual-key numbers the shell and the applets compare against, and
// the control characters a Windows window receives for some key presses.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>

namespace platform::sdl {

// 0 when the key has no virtual-key number.
int VirtualKeyOf(const SDL_Keysym& keysym);

// The character a press of `virtualKey` types by itself with the modifiers `mod`: Backspace 8,
// Tab 9, Enter 13, Escape 27, Ctrl+letter 1..26, Ctrl+Enter 10, Ctrl+Backspace 127.
// Printable text comes from text input instead.
std::optional<uint8_t> ControlCharOf(int virtualKey, Uint16 mod);

// Whether Windows would report the key as a system key: Alt held (or Alt itself) without Ctrl,
// or F10.
bool IsSystemKey(int virtualKey, Uint16 mod);

}  // namespace platform::sdl
