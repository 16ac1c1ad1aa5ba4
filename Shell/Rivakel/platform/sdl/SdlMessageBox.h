// The modal message box of the window system, for times when the shell cannot draw its own.
#pragma once

#include <string_view>

namespace platform::sdl {

// `flags` as Backend::MessageBox; the text is wrapped to fit the screen. Returns IdOk, IdCancel,
// IdYes or IdNo. When no box can be shown, or it is closed without a button, the answer is that
// of its cancelling button. A termination signal that comes before the box or while it is up
// closes it and ends the program as ExitProcess(0) does.
int ShowMessageBox(std::string_view caption, std::string_view text, unsigned flags);

}  // namespace platform::sdl
