// The real backend: SDL for windows, input, cursors, clipboard, message boxes and sound.
#pragma once

#include <poll.h>

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/posix/WakeDescriptor.h"
#include "platform/sdl/HandleWatcher.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlEventTranslator.h"
#include "platform/sdl/SdlOwners.h"
#include "platform/sdl/SdlWindow.h"
#include "platform/sdl/X11Connection.h"

namespace platform::sdl {

class SdlBackend final : public Backend, private SdlWindowHost {
    struct Key {};  // only MakeSdlBackend makes backends

public:
    SdlBackend(Key, SubsystemOwner video, Uint32 userEventType);
    ~SdlBackend() override;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    // Null with `reason` set when SDL cannot start video (no display).
    static std::unique_ptr<SdlBackend> Make(std::string* reason);

    std::string_view Name() const override { return "sdl"; }
    uint32_t TickMs() override;
    CalendarTime NowUtc() override;
    void SleepMs(uint32_t ms) override;
    Point ScreenSize() override;
    Rect UsableArea() override;
    int DisplayDepth() override { return 32; }
    std::unique_ptr<Window> CreateWindow(const WindowParams& params) override;
    bool PollEvent(Event& event) override;
    bool WaitEvent(Event& event, uint32_t timeoutMs) override;
    bool WaitEventOrHandles(Event& event, uint32_t timeoutMs, std::span<WaitHandle> handles) override;
    void PostUserEvent(int message, intptr_t a, intptr_t b) override;
    std::unique_ptr<Cursor> CreateCursor(PixelView image, Point hotSpot, uint32_t colourKey) override;
    int MessageBox(std::string_view caption, std::string_view text, unsigned flags) override;
    std::optional<std::string> GetClipboardText() override;
    void SetClipboardText(std::string_view cp1252) override;
    void StartTextInput(Rect caret) override;
    void StopTextInput() override;
    bool OpenUrl(std::string_view url) override;
    std::unique_ptr<Font> OpenFont(const FontRequest& request) override;
    bool HasInstalledFonts() override;
    bool OpenAudio(int rate, MixCallback mix) override;
    void CloseAudio() override;
    void LockAudio() override;
    void UnlockAudio() override;

    // The program OpenUrl starts with the address ("xdg-open"); tests put a harmless one here.
    void SetUrlOpener(std::string program) { urlOpener_ = std::move(program); }

private:
    void Forget(Uint32 windowId) override;
    SDL_Cursor* ArrowCursor() override { return arrow_.get(); }
    // Runs what an SDL event asks of the windows themselves, then queues its layer events.
    void Take(const SDL_Event& event);
    bool PopPending(Event& event);
    // Takes what SDL has queued, after reading the connection when `pump`.
    void TakeQueued(bool pump);
    // Waits until a layer event is pending, the watched handles are ready or the time is up.
    void WaitPending(uint32_t timeoutMs);
    // The same on the X connection itself, the handles in the same wait (their flags set).
    void WaitOnDisplay(uint32_t timeoutMs, std::span<WaitHandle> handles);
    // The next event from the display's wait, the handles' flags set when given.
    bool NextOnDisplay(Event& event, uint32_t timeoutMs, std::span<WaitHandle> handles);

    SubsystemOwner video_;
    Uint32 userEventType_;
    std::map<Uint32, SdlWindow*> windows_;
    SdlEventTranslator translator_;
    std::deque<Event> pending_;
    CursorOwner arrow_;
    std::string urlOpener_ = "xdg-open";
    std::unique_ptr<SdlAudio> audio_;
    bool handlesReady_ = false;
    // The X connection of the first window; without one (no window yet, another window system)
    // the waits are SDL's, and a thread watches the handles.
    std::optional<X11Connection> display_;
    posix::WakeDescriptor wake_;  // made readable by every post
    std::vector<pollfd> pollEntries_;  // kept from wait to wait: the loop waits twenty times a second
    // Made on the first wait on handles: a program without sockets runs no extra thread.
    std::unique_ptr<HandleWatcher> watcher_;
};

// For GetBackend: the backend as the interface.
inline std::unique_ptr<Backend> MakeSdlBackend(std::string* reason) { return SdlBackend::Make(reason); }
}  // namespace platform::sdl
