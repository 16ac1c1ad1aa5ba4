// The platform layer: the whole contract between the shell and the machine.
//
// Core, frame and applet code include only this header (and the small headers it names);
// SDL, FreeType, fontconfig and POSIX stay behind it. Two backends implement `Backend`:
// `sdl` (the real one) and `headless` (tests: in-memory frame buffer, scripted input, a clock
// the test sets, scripted dialog answers). `Host` is the part that is the same for both
// (files, folders, modules, single instance, process) and is implemented once on POSIX.
//
// Text crossing this layer is 8-bit cp1252, as inside the system; the backends convert at
// their edges. Paths handed to `Host` are native '/' paths unless an operation says otherwise.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Net.h"

namespace platform {

// ---------------------------------------------------------------- geometry and pixels

// A rectangle as the shell uses it everywhere: right and bottom are exclusive.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    // The part inside `bounds` (empty when none is).
    Rect ClippedTo(const Rect& bounds) const {
        return {std::max(left, bounds.left), std::max(top, bounds.top), std::min(right, bounds.right),
                std::min(bottom, bounds.bottom)};
    }
    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

// A view of 32-bit 0xRRGGBB pixels; `pitch` is in pixels. Does not own the memory.
struct PixelView {
    uint32_t* pixels = nullptr;
    int width = 0, height = 0, pitch = 0;
    uint32_t* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * pitch; }
};

// ---------------------------------------------------------------- time

// Calendar time in UTC.
struct CalendarTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0, millisecond = 0;
};

// ---------------------------------------------------------------- events

enum class EventType {
    None,
    CloseRequested,  // the user asked to close the main window
    SessionEnding,   // a termination signal: the session ends now, nobody is asked
    Activated,       // the main window became the active window
    Deactivated,
    Exposed,         // the whole window must be repainted
    MouseMove,       // x, y in window coordinates, may be negative or beyond the window
    MouseDown,       // button: 0 left, 1 right
    MouseUp,
    MouseDoubleClick,
    MouseWheel,      // x, y where the pointer is; wheel: notches, positive away from the user
    KeyDown,         // key: Windows virtual-key number; system set for Alt combinations and F10
    KeyUp,
    Char,            // ch: one cp1252 byte, control characters included (8, 9, 13, 27, Ctrl+A..Z 1..26)
    User,            // message, a, b: posted by `Backend::PostUserEvent` from any thread
    DisplayChanged,  // the screen's size changed; width and height hold the new size
    RendererReset,   // the presented image was lost: present everything again
};

struct Event {
    EventType type = EventType::None;
    int x = 0, y = 0;
    int button = 0;
    int key = 0;
    bool system = false;
    uint8_t ch = 0;
    int message = 0;
    intptr_t a = 0, b = 0;
    int width = 0, height = 0;
    int wheel = 0;
    // KeyDown and Char: made by the window system's own key repeat. The shell repeats keys
    // itself, so it drops these; they are marked rather than withheld.
    bool repeat = false;
};

// Windows virtual-key numbers the layer produces (letters are 'A'-'Z', digits '0'-'9').
enum VirtualKey : int {
    VkBack = 0x08, VkTab = 0x09, VkClear = 0x0C, VkReturn = 0x0D, VkShift = 0x10, VkControl = 0x11,
    VkMenu = 0x12, VkPause = 0x13, VkCapital = 0x14, VkEscape = 0x1B, VkSpace = 0x20, VkPrior = 0x21,
    VkNext = 0x22, VkEnd = 0x23, VkHome = 0x24, VkLeft = 0x25, VkUp = 0x26, VkRight = 0x27, VkDown = 0x28,
    VkSnapshot = 0x2C, VkInsert = 0x2D, VkDelete = 0x2E, VkLWin = 0x5B, VkRWin = 0x5C, VkApps = 0x5D,
    VkNumpad0 = 0x60, VkMultiply = 0x6A, VkAdd = 0x6B, VkSeparator = 0x6C, VkSubtract = 0x6D,
    VkDecimal = 0x6E, VkDivide = 0x6F, VkF1 = 0x70, VkF10 = 0x79, VkF12 = 0x7B, VkF24 = 0x87,
    VkNumLock = 0x90, VkScroll = 0x91,
    VkOem1 = 0xBA, VkOemPlus = 0xBB, VkOemComma = 0xBC, VkOemMinus = 0xBD, VkOemPeriod = 0xBE,
    VkOem2 = 0xBF, VkOem3 = 0xC0, VkOem4 = 0xDB, VkOem5 = 0xDC, VkOem6 = 0xDD, VkOem7 = 0xDE,
    VkOem102 = 0xE2,
};

// ---------------------------------------------------------------- windows and cursors

// A mouse cursor made from an image. The backend keeps what it needs; the image may go.
class Cursor {
public:
    virtual ~Cursor() = default;
};

// How the window presents its image: through the accelerated renderer (where DirectDraw stood)
// or the software renderer (where GDI stood).
enum class Renderer { Accelerated, Software };

struct WindowParams {
    std::string title{};            // cp1252
    int width = 0, height = 0;
    std::optional<Point> position{};  // absent: centred in the usable area
    bool splash = false;            // borderless, not in the task list, never takes focus
    bool preferAccelerated = true;  // false forces the software renderer
    std::optional<PixelView> icon{};  // copied by the backend; 0xFF00FF pixels are transparent
    bool visible = true;            // shown at once, like a window made visible
};

class Window {
public:
    virtual ~Window() = default;
    virtual Renderer RendererInUse() const = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void Minimize() = 0;
    virtual void Restore() = 0;
    virtual void Raise() = 0;  // to the front and, where the window system allows, the focus
    virtual bool IsActive() const = 0;
    virtual bool IsMinimized() const = 0;
    // False when the window system decides positions itself (the value is then unknown).
    virtual bool SetPosition(Point topLeft) = 0;
    virtual std::optional<Point> GetPosition() const = 0;
    virtual void SetTitle(std::string_view cp1252) = 0;
    // Copies the given rectangles of `image` (the window's full size) to the screen.
    // Rectangles are clipped to the window; an empty list presents nothing.
    virtual void Present(PixelView image, std::span<const Rect> dirty) = 0;
    // While captured, mouse events keep arriving when the pointer leaves the window.
    virtual void SetMouseCapture(bool captured) = 0;
    virtual void SetCursor(const Cursor* cursor) = 0;  // null: the arrow
    // Where SetPosition is refused: a press within `pixels` of the window's edge lets the window
    // system move the window (the shell then sees no mouse events for it). 0 turns it off.
    virtual void SetDragBorder(int pixels) = 0;
};

// ---------------------------------------------------------------- fonts

struct FontMetrics {
    int height = 0;           // ascent + descent
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int averageCharWidth = 0;
    int maxCharWidth = 0;
    int underlinePosition = 0;   // rows below the baseline
    int underlineThickness = 1;
    int strikeOutPosition = 0;   // rows above the baseline
};

// One character's mono bitmap: `bits` holds width*height bytes, 1 where ink is.
// `left` is the offset from the pen to the bitmap, `top` the rows from the bitmap's top to the baseline.
// `advance` is whole pixels: a text measures the sum of its advances.
struct Glyph {
    int advance = 0;
    int left = 0, top = 0;
    int width = 0, height = 0;
    std::vector<uint8_t> bits;
    // The design before rounding and hinting, in 1/64 pixel: the advance, and the ink's left and
    // right edges from the pen. A font without a design (0 here) lays glyphs out cell by cell.
    int designAdvance = 0;
    int designLeft = 0, designRight = 0;
};

struct FontRequest {
    std::string face;   // "Arial" and the like; the backend picks the nearest installed face
    int height = 0;     // as Windows: negative is the character height, positive the cell height
    int weight = 400;   // 700 and above is bold
    bool italic = false;
    bool underline = false;  // drawn by the text drawer from the metrics; kept for caching by style
    bool strikeOut = false;
};

// A font drawn without anti-aliasing. Glyphs are cached by the font; returned references stay
// valid for the font's life.
class Font {
public:
    virtual ~Font() = default;
    virtual const FontMetrics& Metrics() const = 0;
    virtual const Glyph& GetGlyph(uint8_t ch) = 0;
};

// The built-in bitmap font: the same metrics and glyphs on every machine, scaled from the
// request's height; never null. Text still measures and draws with it when no face is installed.
std::unique_ptr<Font> OpenBitmapFont(const FontRequest& request);

// ---------------------------------------------------------------- audio

// Fills `out` with interleaved stereo 16-bit samples. Runs on the audio thread.
using MixCallback = std::function<void(std::span<int16_t> out)>;

// ---------------------------------------------------------------- message boxes

// Flags and answers keep the Windows numbers that the shell and applets compare against.
enum MessageBoxFlags : unsigned {
    MbOk = 0x0, MbOkCancel = 0x1, MbYesNoCancel = 0x3, MbYesNo = 0x4,
    MbIconError = 0x10, MbIconQuestion = 0x20, MbIconWarning = 0x30, MbIconInformation = 0x40,
};
enum MessageBoxAnswer : int { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };

// ---------------------------------------------------------------- the backend

// Windows, cursors and fonts a backend made must be destroyed before the backend.
class Backend {
public:
    virtual ~Backend() = default;
    virtual std::string_view Name() const = 0;  // "sdl" or "headless"

    // Time. TickMs is monotonic and wraps at 2^32 like the multimedia timer.
    virtual uint32_t TickMs() = 0;
    virtual CalendarTime NowUtc() = 0;
    virtual void SleepMs(uint32_t ms) = 0;

    // Screen.
    virtual Point ScreenSize() = 0;
    virtual Rect UsableArea() = 0;  // the screen less panels and task bars
    virtual int DisplayDepth() = 0;  // bits per pixel

    // Windows. Null with a logged reason when the window cannot be made.
    virtual std::unique_ptr<Window> CreateWindow(const WindowParams& params) = 0;

    // Events. PollEvent returns false at once when none waits; WaitEvent waits at most
    // timeoutMs (0: do not wait) and wakes for user events posted from other threads.
    virtual bool PollEvent(Event& event) = 0;
    virtual bool WaitEvent(Event& event, uint32_t timeoutMs) = 0;
    // As WaitEvent, and the wait also ends when one of `handles` is ready. Every handle's ready
    // flags are set on return (an event and ready handles can come together); true when `event`
    // was filled. No handles: exactly WaitEvent.
    virtual bool WaitEventOrHandles(Event& event, uint32_t timeoutMs, std::span<WaitHandle> handles) = 0;
    // Thread-safe: queue a User event for the main thread and wake its wait.
    virtual void PostUserEvent(int message, intptr_t a, intptr_t b) = 0;

    // Cursors. Null when the image cannot be made into a cursor.
    virtual std::unique_ptr<Cursor> CreateCursor(PixelView image, Point hotSpot, uint32_t colourKey) = 0;

    // A modal message box for times when the shell cannot draw its own (no main window yet).
    virtual int MessageBox(std::string_view caption, std::string_view text, unsigned flags) = 0;

    // Clipboard text in cp1252. nullopt when there is none.
    virtual std::optional<std::string> GetClipboardText() = 0;
    virtual void SetClipboardText(std::string_view cp1252) = 0;

    // Text input: characters arrive as Char events only while started (it is started at first).
    // `caret` places the input method's window.
    virtual void StartTextInput(Rect caret) = 0;
    virtual void StopTextInput() = 0;

    // Opens an http, https or mailto address in the user's programs; false for any other scheme
    // or when nothing could be started.
    virtual bool OpenUrl(std::string_view url) = 0;

    // Fonts. Null when no face can be found at all.
    virtual std::unique_ptr<Font> OpenFont(const FontRequest& request) = 0;
    // False when the machine has no font the portal can draw its text with.
    virtual bool HasInstalledFonts() = 0;

    // Audio: 16-bit stereo at `rate`. `mix` runs on the audio thread until CloseAudio returns.
    // False when no sound device can be opened (the shell then plays nothing). Lock and Unlock
    // nest and do nothing while no device is open.
    virtual bool OpenAudio(int rate, MixCallback mix) = 0;
    virtual void CloseAudio() = 0;
    virtual void LockAudio() = 0;
    virtual void UnlockAudio() = 0;
};

// The backend of this process: chosen on first use from RIVAKEL_PLATFORM ("sdl", the default,
// or "headless"). Null when the chosen backend cannot start (no display); the reason is logged.
Backend* GetBackend();
// Installs `backend` as the process's backend (tests). Returns the previous one.
std::unique_ptr<Backend> SetBackend(std::unique_ptr<Backend> backend);

// Whether `url` has a scheme OpenUrl accepts: http://, https:// or mailto:, in any case.
bool IsOpenableUrl(std::string_view url);

}  // namespace platform
