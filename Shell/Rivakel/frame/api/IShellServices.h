// What the shell window does for the running game: stop mode, menu, boxes, web links, keys,
// colours, pixel buffers, time, the e-mail confirmation and the pending personalized message.
// One services object is made for every game start; it is also the sender of the shell
// window's events (keys, characters, Instructions), so applets subscribe with it.
#pragma once

#include <cstdint>

#include "frame/api/IImage.h"  // AppletColor and AppletPixelBuffer
#include "frame/api/ShellObject.h"

// UTC calendar fields, seconds since 2000-01-01 00:00:00 UTC, the millisecond tick at reading
// and the seconds as decimal text.
struct AppletTimeRecord {
    uint16_t year;
    uint16_t month;
    uint16_t day;
    uint16_t hour;
    uint16_t minute;
    uint16_t second;
    int32_t seconds;
    uint32_t tickMs;
    char secondsText[24];
};
static_assert(sizeof(AppletTimeRecord) == 44);

// Stop modes.
inline constexpr int kStopFreely = 0;
inline constexpr int kStopAsk = 1;
inline constexpr int kStopNever = 2;
// Menu flags.
inline constexpr int kMenuNewGame = 0x01;
inline constexpr int kMenuPause = 0x02;
inline constexpr int kMenuHighScoresLabel = 0x04;
inline constexpr int kMenuInstructions = 0x10;
inline constexpr int kMenuEmailThis = 0x20;
// Message and input box flags.
inline constexpr int kBoxOkCancel = 0x02;
inline constexpr int kBoxExclamation = 0x100;

// ConfirmEmail callbacks receive {userData, result}: 0 from okCallback, 33 from failCallback.
using ConfirmEmailCallback = int (*)(intptr_t* args);

class IShellServices : public IShellObject {
public:
    // Ignores the name. 0.
    virtual int SetAppletName(const char* name) = 0;                                        // 2
    // kStopFreely, kStopAsk or kStopNever; any other value counts as kStopAsk. 0.
    virtual int SetStopMode(int mode) = 0;                                                   // 3
    // kMenu* bits; unknown bits are ignored. 0.
    virtual int SetMenuFlags(int flags) = 0;                                                 // 4
    // Modal; the game clock stands still while it is up. 1 OK, 2 Cancel, 0 otherwise.
    virtual int MessageBox(const char* caption, const char* text, int flags) = 0;            // 5
    // Modal; OK copies the entry into outBuffer (at most maxChars bytes with the NUL; nothing
    // when maxChars <= 0) and answers 1; Cancel answers 2 and leaves outBuffer alone.
    virtual int InputBox(const char* caption, const char* prompt, const char* initialText, char* outBuffer,
                         int maxChars, int flags) = 0;                                       // 6
    // http, https and mailto addresses of at most 2000 characters; 0, else 1.
    virtual int OpenURL(const char* url) = 0;                                                // 7
    // Shell key codes 0-3 and 5-12 stand for their keys, anything else is a virtual key taken
    // as a byte. Negative (bit 7 set too) while held; bit 0 the toggle state.
    virtual int IsKeyDown(int key) = 0;                                                      // 8
    virtual int IsKeyDownEntry2(int key) = 0;                                                // 9
    // The colour itself, 0x00RRGGBB, with each channel clamped to 0-255; nothing is kept.
    virtual AppletColor AllocColor(int red, int green, int blue) = 0;                      // 10
    // Nothing to free. 0.
    virtual int FreeColor(AppletColor colour) = 0;                                          // 11
    // 0, or 3 with *out = null for sizes <= 0 or > 16384 or without memory.
    virtual int CreatePixelBuffer(AppletPixelBuffer** out, int width, int height) = 0;      // 12
    // Null is ignored. 0.
    virtual int FreePixelBuffer(AppletPixelBuffer* buffer) = 0;                             // 13
    virtual int GetTime(AppletTimeRecord* out) = 0;                                          // 14
    // Asks the user and sends the mailing; answers 0 at once. The strings are copied.
    virtual int ConfirmEmail(const char* firstText, const char* recipient, const char* thirdText,
                             const char* itemText, int userData, ConfirmEmailCallback okCallback,
                             ConfirmEmailCallback failCallback) = 0;                         // 15
    // Has no use; answers 2.
    virtual int Unused(intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t) = 0;  // 16
    // The personalized message the shell was started with: *out = a copy the caller frees with
    // free(), and the shell forgets it; 0. Nothing pending: *out = null, 32.
    virtual int TakePendingMessage(char** out) = 0;                                          // 17

protected:
    IShellServices() = default;
    ~IShellServices() override = default;
};
