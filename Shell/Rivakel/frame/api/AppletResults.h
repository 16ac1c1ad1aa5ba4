// Numbers that cross between the shell and an applet: results, event codes and shell key codes.
#pragma once

namespace applet {

// Results.
inline constexpr int kOk = 0;
inline constexpr int kBoxOk = 1;
inline constexpr int kBoxCancel = 2;
inline constexpr int kNoMemory = 3;
inline constexpr int kUnknownObject = 4;
inline constexpr int kEmpty = 8;
inline constexpr int kWrongKey = 11;
inline constexpr int kSettingAbsent = 25;
inline constexpr int kNothingPending = 32;
inline constexpr int kDeclined = 33;

// Event codes; x and y of mouse events are relative to the listener's surface.
inline constexpr int kMouseDown = 1;
inline constexpr int kMouseUp = 2;
inline constexpr int kDoubleClick = 3;
inline constexpr int kRightDown = 4;
inline constexpr int kRightUp = 5;
inline constexpr int kRightDoubleClick = 6;
inline constexpr int kMouseMove = 7;
inline constexpr int kMouseEnter = 8;
inline constexpr int kMouseLeave = 9;
inline constexpr int kClick = 10;
inline constexpr int kKeyDown = 11;
inline constexpr int kCharacter = 12;
inline constexpr int kKeyUp = 13;
inline constexpr int kButtonCommand = 14;
inline constexpr int kEditEnter = 15;
inline constexpr int kInstructions = 16;
inline constexpr int kServicesEvent = 17;

// Shell key codes (args[4] of key and character events).
inline constexpr int kKeyBackspace = 0;
inline constexpr int kKeyDelete = 1;
inline constexpr int kKeyTab = 2;
inline constexpr int kKeyEnter = 3;
inline constexpr int kKeyCharacter = 4;
inline constexpr int kKeyControl = 5;
inline constexpr int kKeyLeft = 6;
inline constexpr int kKeyRight = 7;
inline constexpr int kKeyArrowUp = 8;
inline constexpr int kKeyArrowDown = 9;
inline constexpr int kKeyHome = 10;
inline constexpr int kKeyEnd = 11;
inline constexpr int kKeyShift = 12;

}  // namespace applet
