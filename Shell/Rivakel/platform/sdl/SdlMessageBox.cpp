#include "platform/sdl/SdlMessageBox.h"

#include <SDL.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/Host.h"
#include "platform/Platform.h"
#include "platform/TextColumns.h"
#include "platform/posix/CloseSignals.h"
#include "platform/posix/ForkedBox.h"
#include "platform/sdl/DisplayLoss.h"

namespace platform::sdl {
namespace {

struct Buttons {
    std::vector<SDL_MessageBoxButtonData> list;
    int cancelAnswer = IdOk;
};

Buttons ButtonsFor(unsigned flags) {
    constexpr Uint32 kEnter = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    constexpr Uint32 kEscape = SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    switch (flags & 0xFu) {
        case MbOkCancel: return {{{kEnter, IdOk, "OK"}, {kEscape, IdCancel, "Cancel"}}, IdCancel};
        case MbYesNo: return {{{kEnter, IdYes, "Yes"}, {kEscape, IdNo, "No"}}, IdNo};
        case MbYesNoCancel: return {{{kEnter, IdYes, "Yes"}, {0, IdNo, "No"}, {kEscape, IdCancel, "Cancel"}}, IdCancel};
        default: return {{{kEnter | kEscape, IdOk, "OK"}}, IdOk};
    }
}

// The box is as wide as its longest line. Lines read best up to about 72 characters; a narrow
// screen gets fewer, so that the box with its sign and margins (about 160 pixels) stays on it
// even where the box's font is 8 pixels a character, wider than most.
size_t ColumnsForScreen() {
    constexpr int kReadable = 72;
    constexpr int kChrome = 160;
    constexpr int kCharWidth = 8;
    constexpr int kFewest = 20;
    SDL_Rect screen{};
    if (SDL_GetDisplayBounds(0, &screen) != 0) return kReadable;
    return static_cast<size_t>(std::clamp((screen.w - kChrome) / kCharWidth, kFewest, kReadable));
}

Uint32 KindFor(unsigned flags) {
    switch (flags & 0xF0u) {
        case MbIconError: return SDL_MESSAGEBOX_ERROR;
        case MbIconWarning: return SDL_MESSAGEBOX_WARNING;
        default: return SDL_MESSAGEBOX_INFORMATION;
    }
}

// A termination signal before or while the box is up ends the program as it does once the window
// is up: in order, with 0.
void EndOnCloseSignal() {
    if (CloseSignalPending()) ExitProcess(0);
}

}  // namespace

int ShowMessageBox(std::string_view caption, std::string_view text, unsigned flags) {
    // The library shows its box from a process of its own, which must not outlive the program.
    const ForkedBoxScope boxProcess;
    EndOnCloseSignal();
    const Buttons buttons = ButtonsFor(flags);
    const std::string title = Cp1252ToUtf8(caption);
    // The window system's box does not wrap: a long text would run off the screen.
    const std::string message = Cp1252ToUtf8(WrapToColumns(text, ColumnsForScreen()));
    SDL_MessageBoxData data{};
    data.flags = KindFor(flags) | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
    data.title = title.c_str();
    data.message = message.c_str();
    data.numbuttons = static_cast<int>(buttons.list.size());
    data.buttons = buttons.list.data();
    int pressed = -1;
    const bool shown = !DisplayGone() && SDL_ShowMessageBox(&data, &pressed) == 0;
    EndOnCloseSignal();
    EndIfDisplayGone();
    if (!shown) {
        // The text must not be lost: it usually says why the program is about to end.
        DebugOutput("Rivakel: " + title + ": " + message + " (no message box: " +
                    (DisplayGone() ? "the display has gone" : SDL_GetError()) + ")\n");
        return buttons.cancelAnswer;
    }
    return pressed < 0 ? buttons.cancelAnswer : pressed;
}

}  // namespace platform::sdl
