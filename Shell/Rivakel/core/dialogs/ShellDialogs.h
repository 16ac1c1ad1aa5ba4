// The shell's questions, its terms of service and its message and input boxes (the application
// object's dialog slots). Each pauses the game clock while it is up and puts it back as it was.
//
// A dialog that cannot be shown (no main window yet, the session stopping, a headless run with
// no script) answers its refusing answer, never an earlier dialog's: No, Keep Playing, Cancel,
// Later, and 0 for a message box. Before the main window exists message boxes use the
// platform's own box.
#pragma once

#include <span>
#include <string>
#include <string_view>

// OK: true. Carries the opt-out choice.
bool AskConfirmSave();
// "Warning: Game in Progress": 1 No, 0 Yes.
int AskStopGameSaved();
int AskQuitSaved();
// "Play Again Soon": 1 Keep Playing, 2 Save And Exit, 3 Dont Save (also when embedded, unasked).
int AskQuitNotSaved();
// 0.
int ShowTermsOfService();
// 0 OK, 3 Cancel.
int AskAutoInstall();
// 1 Later, 0 Get it Now.
int AskNeedNewGame();

// Box flags: OK and Cancel with bit 1 (0x02), the exclamation sign with 0x100.
inline constexpr int kMessageBoxOkCancel = 0x02;
inline constexpr int kMessageBoxExclamation = 0x100;
// 1 OK, 2 Cancel, 0 otherwise.
int ShowMessageBox(std::string_view caption, std::string_view text, int flags);
// With kMessageBoxOkCancel Cancel and Escape answer 2; without, only OK closes the box. On OK
// `entry` holds what was typed, at most `maxLength` characters, and the answer is 1.
int InputBox(std::string_view caption, std::string_view prompt, std::string_view initialText, size_t maxLength,
             int flags, std::string& entry);
// The same into a buffer: at most buffer.size() - 1 characters and a terminator, only on OK.
int InputBox(std::string_view caption, std::string_view prompt, std::string_view initialText, std::span<char> buffer,
             int flags);

// Any other question: the id of the button that closed it, `refusal` when none did (Escape is
// ignored).
struct DialogTemplate;
int AskQuestion(const DialogTemplate& description, int refusal);

// The text of the data file "TermsOfService"; empty when it cannot be read.
std::string ReadTermsOfService();
