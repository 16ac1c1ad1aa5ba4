// The test backend: no display and no devices. The screen is a setting, windows keep their last
// presented frame in memory, input is a queue the test fills, message boxes answer from a script,
// and URLs, cursors, the clipboard and sound are recorded for the test to read.
//
// Its clock is either driven (the default: it moves only when the test, or a wait for events,
// moves it, so a test runs hours of timers in no time) or the wall clock (a portal run headless:
// it waits for events as the real window does and keeps the real time).
//
// Use from a test:
//   auto owned = std::make_unique<platform::headless::HeadlessBackend>();
//   auto* headless = owned.get();
//   platform::SetBackend(std::move(owned));
//   headless->PushClick(10, 20); ... run the code ...; headless->MainWindow()->FramePixel(10, 20)
//
// Everything but PostUserEvent, the audio lock and PumpAudio belongs to the main (test) thread.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/posix/WakeDescriptor.h"

namespace platform::headless {

class HeadlessBackend;

// A cursor as it was made: the image (key pixels included), hot spot and colour key.
class HeadlessCursor final : public Cursor {
public:
    HeadlessCursor(PixelView image, Point hotSpot, uint32_t colourKey);
    int Width() const { return width_; }
    int Height() const { return height_; }
    Point HotSpot() const { return hotSpot_; }
    uint32_t ColourKey() const { return colourKey_; }
    const std::vector<uint32_t>& Pixels() const { return pixels_; }

private:
    int width_, height_;
    Point hotSpot_;
    uint32_t colourKey_;
    std::vector<uint32_t> pixels_;
};

class HeadlessWindow final : public Window {
public:
    HeadlessWindow(HeadlessBackend& backend, const WindowParams& params, Point position);
    ~HeadlessWindow() override;
    HeadlessWindow(const HeadlessWindow&) = delete;
    HeadlessWindow& operator=(const HeadlessWindow&) = delete;

    Renderer RendererInUse() const override { return renderer_; }
    void Show() override;
    void Hide() override;
    void Minimize() override;
    void Restore() override;
    void Raise() override;
    bool IsActive() const override { return active_; }
    bool IsMinimized() const override { return minimized_; }
    bool SetPosition(Point topLeft) override;
    std::optional<Point> GetPosition() const override;
    void SetTitle(std::string_view cp1252) override { title_ = cp1252; }
    void Present(PixelView image, std::span<const Rect> dirty) override;
    void SetMouseCapture(bool captured) override { captured_ = captured; }
    void SetCursor(const Cursor* cursor) override { cursor_ = cursor; }
    void SetDragBorder(int pixels) override { dragBorder_ = pixels; }

    // What the test reads.
    const std::string& Title() const { return title_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsVisible() const { return visible_; }
    bool IsSplash() const { return splash_; }
    bool IsCaptured() const { return captured_; }
    const Cursor* CurrentCursor() const { return cursor_; }
    int DragBorder() const { return dragBorder_; }
    bool HasIcon() const { return hasIcon_; }
    // The frame as the screen shows it: Width()*Height() pixels, black until presented.
    const std::vector<uint32_t>& Frame() const { return frame_; }
    uint32_t FramePixel(int x, int y) const;
    int PresentCount() const { return presentCount_; }
    const std::vector<Rect>& LastDirty() const { return lastDirty_; }  // clipped to the window

    // What the user does to the window; each queues the events a real window would get.
    void UserActivate();
    void UserDeactivate();

private:
    friend class HeadlessBackend;
    void SetActive(bool active);

    HeadlessBackend& backend_;
    std::string title_;
    int width_, height_;
    Point position_;
    bool splash_;
    Renderer renderer_;
    bool hasIcon_;
    bool visible_ = false;
    bool minimized_ = false;
    bool active_ = false;
    bool captured_ = false;
    const Cursor* cursor_ = nullptr;
    int dragBorder_ = 0;
    std::vector<uint32_t> frame_;
    std::vector<Rect> lastDirty_;
    int presentCount_ = 0;
};

class HeadlessBackend final : public Backend {
public:
    struct MessageBoxCall {
        std::string caption, text;
        unsigned flags = 0;
        int answer = 0;
    };

    enum class Clock { Driven, Wall };

    explicit HeadlessBackend(Clock clock = Clock::Driven);
    ~HeadlessBackend() override;
    HeadlessBackend(const HeadlessBackend&) = delete;
    HeadlessBackend& operator=(const HeadlessBackend&) = delete;

    // ---- Backend
    std::string_view Name() const override { return "headless"; }
    uint32_t TickMs() override;
    CalendarTime NowUtc() override;
    void SleepMs(uint32_t ms) override;
    Point ScreenSize() override { return screen_; }
    Rect UsableArea() override { return usable_; }
    int DisplayDepth() override { return 32; }
    std::unique_ptr<Window> CreateWindow(const WindowParams& params) override;
    bool PollEvent(Event& event) override;
    bool WaitEvent(Event& event, uint32_t timeoutMs) override;
    // Looks at the handles; with a real wait set (SetRealWaitMs) also waits on them in real time,
    // and the clock then moves by the time really waited when a handle ends the wait.
    bool WaitEventOrHandles(Event& event, uint32_t timeoutMs, std::span<WaitHandle> handles) override;
    void PostUserEvent(int message, intptr_t a, intptr_t b) override;
    std::unique_ptr<Cursor> CreateCursor(PixelView image, Point hotSpot, uint32_t colourKey) override;
    int MessageBox(std::string_view caption, std::string_view text, unsigned flags) override;
    std::optional<std::string> GetClipboardText() override { return clipboard_; }
    void SetClipboardText(std::string_view cp1252) override { clipboard_ = std::string(cp1252); }
    void StartTextInput(Rect caret) override;
    void StopTextInput() override { textInput_ = false; }
    bool OpenUrl(std::string_view url) override;
    std::unique_ptr<Font> OpenFont(const FontRequest& request) override;
    bool HasInstalledFonts() override { return installedFonts_; }
    bool OpenAudio(int rate, MixCallback mix) override;
    void CloseAudio() override;
    void LockAudio() override { audioMutex_.lock(); }
    void UnlockAudio() override { audioMutex_.unlock(); }

    // ---- screen (default 1024x768, usable area the whole screen)
    void SetScreenSize(int width, int height);  // the usable area becomes the whole screen
    void SetUsableArea(Rect area);
    void ChangeDisplay(int width, int height);  // SetScreenSize and a queued DisplayChanged

    // ---- clock (driven: tick 0 and 2010-01-01 00:00:00.000 UTC at first; wall: the machine's)
    // On the wall clock these shift the time from there on.
    void SetTime(uint32_t tickMs) { tickMs_ = tickMs - WallElapsedMs(); }
    void SetUtc(const CalendarTime& utc);
    void AdvanceTime(uint32_t ms);  // moves the tick (wrapping) and the calendar together
    // Driven clock: how long WaitEvent also waits in real time for PostUserEvent from other
    // threads before it advances the clock; 0 (the default) never waits.
    void SetRealWaitMs(uint32_t ms) { realWaitMs_ = ms; }

    // ---- input script
    void PushEvent(const Event& event);
    void PushMouseMove(int x, int y);
    void PushMouseDown(int x, int y, int button = 0);
    void PushMouseUp(int x, int y, int button = 0);
    void PushClick(int x, int y, int button = 0);        // move, down, up
    void PushDoubleClick(int x, int y, int button = 0);  // move, down, up, double click, up
    void PushWheel(int x, int y, int notches);  // positive: away from the user
    void PushKeyDown(int key, bool system = false);
    void PushKeyUp(int key, bool system = false);
    // Down, the character a window gets for Backspace, Tab, Enter and Escape, up.
    void PushKey(int key);
    void PushText(std::string_view cp1252);  // one Char event per byte
    void PushClose();
    size_t PendingEvents() const;

    // ---- windows
    std::vector<HeadlessWindow*> Windows() const { return windows_; }  // live, oldest first
    HeadlessWindow* MainWindow() const;  // the newest live window that is not a splash
    HeadlessWindow* ActiveWindow() const { return active_; }
    // Like a window system that places windows itself: SetPosition fails, GetPosition is empty.
    void SetPositionsRefused(bool refused) { positionsRefused_ = refused; }
    bool PositionsRefused() const { return positionsRefused_; }
    // A window whose renderer is asked for is given the accelerated one unless this is false.
    void SetAcceleratedAvailable(bool available) { acceleratedAvailable_ = available; }
    // Like a display that refuses every new window: CreateWindow gives null.
    void SetWindowsRefused(bool refused) { windowsRefused_ = refused; }

    // ---- message boxes: answers are used in order, IdOk once the script runs out
    void QueueMessageBoxAnswer(int answer) { answers_.push_back(answer); }
    const std::vector<MessageBoxCall>& MessageBoxes() const { return messageBoxes_; }

    // ---- text input (started at first)
    bool TextInputActive() const { return textInput_; }
    Rect TextInputCaret() const { return caret_; }

    // ---- addresses: only the accepted schemes are recorded, and only while opening works
    const std::vector<std::string>& OpenedUrls() const { return urls_; }
    void SetUrlOpeningWorks(bool works) { urlOpeningWorks_ = works; }
    // The bitmap font always draws; this only plays a machine without installed fonts.
    void SetInstalledFonts(bool present) { installedFonts_ = present; }
    // Screenshots draw text with the machine's fonts, as the real window does (the bitmap font
    // stands in where none is found).
    void SetSystemFonts(bool system) { systemFonts_ = system; }

    // ---- cursors
    int CursorsCreated() const { return cursorsCreated_; }

    // ---- sound
    void SetAudioAvailable(bool available) { audioAvailable_ = available; }
    bool AudioOpen() const;
    int AudioRate() const { return audioRate_; }
    // Runs the mixing callback for `frames` stereo frames as the audio thread would, under the
    // audio lock; empty when no device is open.
    std::vector<int16_t> PumpAudio(size_t frames);

private:
    friend class HeadlessWindow;
    void Register(HeadlessWindow* window);
    void Unregister(HeadlessWindow* window);
    void MakeActive(HeadlessWindow* window);  // null: none active
    uint32_t WallElapsedMs() const;  // 0 on the driven clock
    // How long a wait of `timeoutMs` really waits.
    uint32_t RealWaitMs(uint32_t timeoutMs) const;

    Clock clock_;
    std::chrono::steady_clock::time_point wallStart_ = std::chrono::steady_clock::now();
    Point screen_{1024, 768};
    Rect usable_{0, 0, 1024, 768};
    uint32_t tickMs_ = 0;
    int64_t utcMs_;  // milliseconds since 1970-01-01 UTC
    uint32_t realWaitMs_ = 0;

    mutable std::mutex queueMutex_;
    std::condition_variable queueSignal_;
    posix::WakeDescriptor queueWake_;  // readable while events may wait (for waits on handles)
    std::deque<Event> queue_;

    std::vector<HeadlessWindow*> windows_;
    HeadlessWindow* active_ = nullptr;
    bool positionsRefused_ = false;
    bool acceleratedAvailable_ = true;
    bool windowsRefused_ = false;

    std::deque<int> answers_;
    std::vector<MessageBoxCall> messageBoxes_;
    std::optional<std::string> clipboard_;
    bool textInput_ = true;
    Rect caret_;
    std::vector<std::string> urls_;
    bool urlOpeningWorks_ = true;
    bool installedFonts_ = true;
    bool systemFonts_ = false;
    int cursorsCreated_ = 0;

    mutable std::recursive_mutex audioMutex_;
    bool audioAvailable_ = true;
    int audioRate_ = 0;
    MixCallback mix_;
};

}  // namespace platform::headless
