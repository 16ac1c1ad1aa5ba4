// Event codes, shell key codes and the argument record shared by the shell and the applets.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

enum EventCode : int {
    kEventLeftDown = 1,
    kEventLeftUp = 2,
    kEventLeftDoubleClick = 3,
    kEventRightDown = 4,
    kEventRightUp = 5,
    kEventRightDoubleClick = 6,
    kEventMouseMove = 7,
    kEventEnter = 8,
    kEventLeave = 9,
    kEventClick = 10,
    kEventKeyDown = 11,
    kEventChar = 12,
    kEventKeyUp = 13,
    kEventCommand = 14,
    kEventEditEnter = 15,
    kEventAppletNotice = 16,
    kEventAppletNotice2 = 17,
    // The shell's own, which no game is told of: the wheel turned over a surface, word 4 the
    // notches, positive away from the user. Only surfaces that register it hear it.
    kEventWheel = 18,
};

// Events of lower codes are created on demand when a listener asks for them.
inline constexpr int kFirstRegisteredOnlyCode = kEventCommand;

enum ShellKey : int {
    kShellKeyNone = -1,
    kShellKeyBackspace = 0,
    kShellKeyDelete = 1,
    kShellKeyTab = 2,
    kShellKeyEnter = 3,
    kShellKeyCharacter = 4,
    kShellKeyControl = 5,
    kShellKeyLeft = 6,
    kShellKeyRight = 7,
    kShellKeyUp = 8,
    kShellKeyDown = 9,
    kShellKeyHome = 10,
    kShellKeyEnd = 11,
    kShellKeyShift = 12,
};

// Word 0 the listener's context, word 1 its user value, words 2 to 4 the event's data.
inline constexpr size_t kEventRecordWords = 5;
using EventRecord = std::array<intptr_t, kEventRecordWords>;

// Nonzero lets the walk go on to the next listener, 0 ends it.
using EventCallback = int (*)(intptr_t* record);
