// The main window's handler: turns platform events into calls on the session's services.
#pragma once

#include <cstdint>

#include "platform/Platform.h"

// Private messages of the main window; the numbers are part of the external interface.
inline constexpr int kMsgHostLookupDone = 2025;
inline constexpr int kMsgSocketEvent = 2026;
inline constexpr int kMsgCloseRequest = 2027;
inline constexpr int kMsgShellVersion = 2028;
inline constexpr int kMsgShuttingDown = 2029;

inline constexpr int kVkEscape = 0x1B;

void MainWindowProc(const platform::Event& event);
// The answer to a private message, from the window's own queue or from a later start.
int AnswerPrivateMessage(int message, intptr_t a, intptr_t b);

// Presents the whole window again.
void RepaintMainWindow();
