#include "platform/sdl/SdlBackend.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string_view>
#include <thread>

#include "platform/Cp1252.h"
#include "platform/Host.h"
#include "platform/fonts/Fonts.h"
#include "platform/posix/CloseSignals.h"
#include "platform/posix/SocketWait.h"
#include "platform/sdl/DisplayLoss.h"
#include "platform/sdl/SdlMessageBox.h"
#include "platform/sdl/UrlLauncher.h"

namespace platform::sdl {

std::unique_ptr<SdlBackend> SdlBackend::Make(std::string* reason) {
    // A click on an inactive window is delivered, as on Windows; closing a window is the
    // shell's decision, not a quit.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // Termination signals are the platform layer's, the same on every backend.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SubsystemOwner video(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    if (!video.Valid()) {
        if (reason != nullptr) *reason = std::string("SDL cannot start video: ") + SDL_GetError();
        return nullptr;
    }
    // Without a display SDL quietly picks a driver that shows nothing; only take one when asked.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    const std::string_view current = driver != nullptr ? driver : "";
    if ((current == "offscreen" || current == "dummy") && (asked == nullptr || current != asked)) {
        if (reason != nullptr) *reason = "no display to show a window on (is DISPLAY set?)";
        return nullptr;
    }
    EndProcessWhenDisplayIsLost();
    // Two types: posted user events, then the handle watcher's wake-up.
    const Uint32 userEventType = SDL_RegisterEvents(2);
    if (userEventType == static_cast<Uint32>(-1)) {
        if (reason != nullptr) *reason = "SDL has no user event type left";
        return nullptr;
    }
    return std::make_unique<SdlBackend>(Key{}, std::move(video), userEventType);
}

SdlBackend::SdlBackend(Key, SubsystemOwner video, Uint32 userEventType)
    : video_(std::move(video)),
      userEventType_(userEventType),
      translator_(userEventType, [this](Uint32 id) {
          auto found = windows_.find(id);
          return found != windows_.end() && found->second->IsSplash();
      }),
      arrow_(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW)) {
    // Typing reaches the shell from the start, as characters reach a window.
    SDL_StartTextInput();
    translator_.SetTextInput(true);
}

SdlBackend::~SdlBackend() {
    watcher_.reset();
    audio_.reset();
    if (!DisplayGone()) SDL_SetCursor(SDL_GetDefaultCursor());
}

uint32_t SdlBackend::TickMs() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

CalendarTime SdlBackend::NowUtc() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    return CalendarTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
                        parts.tm_min,        parts.tm_sec,      static_cast<int>(ms < 0 ? ms + 1000 : ms)};
}

void SdlBackend::SleepMs(uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

Point SdlBackend::ScreenSize() {
    SDL_DisplayMode mode{};
    if (SDL_GetCurrentDisplayMode(0, &mode) != 0) return {};
    return {mode.w, mode.h};
}

Rect SdlBackend::UsableArea() {
    SDL_Rect area{};
    if (DisplayGone() || SDL_GetDisplayUsableBounds(0, &area) != 0) {
        const Point screen = ScreenSize();
        return {0, 0, screen.x, screen.y};
    }
    return {area.x, area.y, area.x + area.w, area.y + area.h};
}

std::unique_ptr<Window> SdlBackend::CreateWindow(const WindowParams& params) {
    if (DisplayGone()) return nullptr;
    std::string reason;
    auto window = SdlWindow::Create(*this, params, UsableArea(), &reason);
    if (window == nullptr) {
        DebugOutput("Rivakel: window \"" + Cp1252ToUtf8(params.title) + "\" cannot be made: " + reason + "\n");
        return nullptr;
    }
    windows_[window->Id()] = window.get();
    if (!display_) display_ = X11Connection::Of(SDL_GetWindowFromID(window->Id()));
    return window;
}

void SdlBackend::Forget(Uint32 windowId) { windows_.erase(windowId); }

void SdlBackend::Take(const SDL_Event& event) {
    if (event.type == userEventType_ + 1) {
        handlesReady_ = true;
        return;
    }
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        if (auto found = windows_.find(event.window.windowID); found != windows_.end()) found->second->Repaint();
    }
    if (event.type == SDL_RENDER_DEVICE_RESET) {
        for (auto& [id, window] : windows_) window->RecreateTexture();
    }
    const size_t before = pending_.size();
    translator_.Translate(event, pending_);
    for (size_t i = before; i < pending_.size(); ++i) {
        if (pending_[i].type != EventType::DisplayChanged) continue;
        const Point screen = ScreenSize();
        pending_[i].width = screen.x;
        pending_[i].height = screen.y;
    }
}

bool SdlBackend::PopPending(Event& event) {
    if (TakeCloseSignal()) {
        event = Event{.type = EventType::SessionEnding};
        return true;
    }
    if (pending_.empty()) return false;
    event = pending_.front();
    pending_.pop_front();
    return true;
}

void SdlBackend::TakeQueued(bool pump) {
    if (pump) SDL_PumpEvents();
    SDL_Event sdlEvent;
    while (SDL_PeepEvents(&sdlEvent, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) Take(sdlEvent);
}

bool SdlBackend::PollEvent(Event& event) {
    if (DisplayGone()) {
        EndIfDisplayGone();
        return PopPending(event);
    }
    if (display_) {
        if (pending_.empty()) WaitOnDisplay(0, {});
        return PopPending(event);
    }
    // Not SDL_PollEvent: it ends a poll cycle at a marker and can answer "none" while events wait.
    bool pumped = false;
    while (pending_.empty()) {
        if (!pumped) {
            SDL_PumpEvents();
            pumped = true;
        }
        SDL_Event sdlEvent;
        if (SDL_PeepEvents(&sdlEvent, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) != 1) break;
        Take(sdlEvent);
    }
    return PopPending(event);
}

bool SdlBackend::WaitEvent(Event& event, uint32_t timeoutMs) {
    if (display_ && !DisplayGone()) return NextOnDisplay(event, timeoutMs, {});
    if (PollEvent(event)) return true;
    if (timeoutMs == 0) return false;
    if (DisplayGone()) {
        // Only while the end runs: a loop there must not spin.
        SleepMs(std::min<uint32_t>(timeoutMs, 10));
        return PopPending(event);
    }
    // A late wake-up of an earlier watch ends this wait early at most once.
    handlesReady_ = false;
    WaitPending(timeoutMs);
    return PopPending(event);
}

void SdlBackend::WaitPending(uint32_t timeoutMs) {
    // The wait ends where TickMs has advanced by timeoutMs, at the start of that millisecond:
    // whole-millisecond sleeps begun mid-millisecond would make every timer up to 1 ms late.
    using namespace std::chrono;
    const auto deadline = floor<milliseconds>(steady_clock::now()) + milliseconds(timeoutMs);
    // Events that mean nothing to the shell do not end the wait early.
    while (pending_.empty() && !handlesReady_ && !DisplayGone()) {
        const auto left = duration_cast<microseconds>(deadline - steady_clock::now());
        if (left.count() <= 0) return;
        if (left < milliseconds(1)) {
            std::this_thread::sleep_for(left);
            continue;
        }
        const auto leftMs = std::min<int64_t>(duration_cast<milliseconds>(left).count(), 0x7FFFFFFF);
        SDL_Event sdlEvent;
        if (SDL_WaitEventTimeout(&sdlEvent, static_cast<int>(leftMs)) == 1) Take(sdlEvent);
    }
}

// One poll on the connection, the wake-up descriptor and the handles. Events are read from the
// connection only when it has some: SDL's own wait reads it over and over on every wake-up.
void SdlBackend::WaitOnDisplay(uint32_t timeoutMs, std::span<WaitHandle> handles) {
    // As WaitPending, the wait ends at the start of the due millisecond.
    using namespace std::chrono;
    const auto deadline = floor<milliseconds>(steady_clock::now()) + milliseconds(timeoutMs);
    std::vector<pollfd>& entries = pollEntries_;
    handlesReady_ = false;
    bool readable = false;
    for (;;) {
        TakeQueued(readable || display_->HoldsEvents());
        // What was asked of the server (a cursor, a title) goes out before the wait.
        display_->Flush();
        // Sending may read what the server sent meanwhile into the library's queue, where the
        // poll would not see it.
        if (display_->HoldsEvents()) {
            readable = true;
            continue;
        }
        nanoseconds left{0};
        if (pending_.empty()) left = std::max(duration_cast<nanoseconds>(deadline - steady_clock::now()), left);
        entries.assign({{display_->Descriptor(), POLLIN, 0}, {wake_.Get(), POLLIN, 0}});
        for (const WaitHandle& handle : handles) entries.push_back({handle.descriptor, posix::PollEventsOf(handle), 0});
        const timespec span{static_cast<time_t>(left.count() / 1000000000), static_cast<long>(left.count() % 1000000000)};
        const int ready = ::ppoll(entries.data(), entries.size(), &span, nullptr);
        if (ready < 0 && errno == EINTR) continue;
        if (entries[1].revents != 0) wake_.Drain();
        for (size_t i = 0; i < handles.size(); ++i) {
            if (posix::TakeReadiness(handles[i], entries[i + 2].revents)) handlesReady_ = true;
        }
        readable = entries[0].revents != 0;
        if (!pending_.empty() || handlesReady_ || ready <= 0) {
            if (readable) TakeQueued(true);
            return;
        }
    }
}

bool SdlBackend::NextOnDisplay(Event& event, uint32_t timeoutMs, std::span<WaitHandle> handles) {
    if (PopPending(event)) {
        if (!handles.empty()) WaitForHandles(handles, 0);
        return true;
    }
    WaitOnDisplay(timeoutMs, handles);
    handlesReady_ = false;
    return PopPending(event);
}

bool SdlBackend::WaitEventOrHandles(Event& event, uint32_t timeoutMs, std::span<WaitHandle> handles) {
    if (display_ && !DisplayGone()) return NextOnDisplay(event, timeoutMs, handles);
    if (handles.empty() || DisplayGone()) return WaitEvent(event, timeoutMs);
    if (PollEvent(event)) {
        WaitForHandles(handles, 0);
        return true;
    }
    if (WaitForHandles(handles, 0) || timeoutMs == 0) return false;
    if (!watcher_) {
        const Uint32 wakeType = userEventType_ + 1;
        watcher_ = std::make_unique<HandleWatcher>([wakeType] {
            if (DisplayGone()) return;
            SDL_Event wake{};
            wake.type = wakeType;
            SDL_PushEvent(&wake);
        });
    }
    handlesReady_ = false;
    watcher_->Watch(handles);
    WaitPending(timeoutMs);
    watcher_->Stop();
    handlesReady_ = false;
    WaitForHandles(handles, 0);
    return PopPending(event);
}

void SdlBackend::PostUserEvent(int message, intptr_t a, intptr_t b) {
    // A push wakes the wait through the display; once it has gone, nothing waits for the post.
    if (DisplayGone()) return;
    SDL_Event event{};
    event.type = userEventType_;
    event.user.code = message;
    event.user.data1 = reinterpret_cast<void*>(a);
    event.user.data2 = reinterpret_cast<void*>(b);
    if (SDL_PushEvent(&event) != 1) DebugOutput(std::string("Rivakel: a posted event was lost: ") + SDL_GetError() + "\n");
    // SDL wakes only its own wait; the wait on the display watches this.
    wake_.Notify();
}

std::unique_ptr<Cursor> SdlBackend::CreateCursor(PixelView image, Point hotSpot, uint32_t colourKey) {
    if (DisplayGone()) return nullptr;
    SurfaceOwner surface = MakeKeyedSurface(image.pixels, image.width, image.height, image.pitch, colourKey);
    if (surface == nullptr) return nullptr;
    CursorOwner cursor(SDL_CreateColorCursor(surface.get(), hotSpot.x, hotSpot.y));
    if (cursor == nullptr) {
        DebugOutput(std::string("Rivakel: cursor cannot be made: ") + SDL_GetError() + "\n");
        return nullptr;
    }
    return std::make_unique<SdlCursor>(std::move(cursor));
}

int SdlBackend::MessageBox(std::string_view caption, std::string_view text, unsigned flags) {
    return ShowMessageBox(caption, text, flags);
}

std::optional<std::string> SdlBackend::GetClipboardText() {
    if (DisplayGone() || SDL_HasClipboardText() != SDL_TRUE) return std::nullopt;
    SdlTextOwner text(SDL_GetClipboardText());
    if (text == nullptr) return std::nullopt;
    return Utf8ToCp1252(text.get());
}

void SdlBackend::SetClipboardText(std::string_view cp1252) {
    if (!DisplayGone()) SDL_SetClipboardText(Cp1252ToUtf8(cp1252).c_str());
}

void SdlBackend::StartTextInput(Rect caret) {
    if (DisplayGone()) return;
    SDL_Rect area{caret.left, caret.top, caret.Width(), caret.Height()};
    SDL_SetTextInputRect(&area);
    SDL_StartTextInput();
    translator_.SetTextInput(true);
}

void SdlBackend::StopTextInput() {
    if (DisplayGone()) return;
    SDL_StopTextInput();
    translator_.SetTextInput(false);
}

bool SdlBackend::OpenUrl(std::string_view url) {
    if (!IsOpenableUrl(url)) return false;
    if (StartDetached(urlOpener_, std::string(url))) return true;
    DebugOutput("Rivakel: " + urlOpener_ + " could not be started for an address\n");
    return false;
}

bool SdlBackend::HasInstalledFonts() {
    FontRequest request;
    request.face = "Arial";
    request.height = -11;
    return OpenSystemFont(request) != nullptr;
}

std::unique_ptr<Font> SdlBackend::OpenFont(const FontRequest& request) {
    if (auto font = OpenSystemFont(request)) return font;
    // Text stays readable without installed fonts; say so once.
    static bool warned = false;
    if (!warned) {
        warned = true;
        DebugOutput("Rivakel: no installed font for \"" + request.face + "\", using the built-in font\n");
    }
    return OpenBitmapFont(request);
}

bool SdlBackend::OpenAudio(int rate, MixCallback mix) {
    if (audio_ != nullptr) return false;
    std::string reason;
    audio_ = SdlAudio::Open(rate, std::move(mix), &reason);
    if (audio_ == nullptr) DebugOutput("Rivakel: no sound: " + reason + "\n");
    return audio_ != nullptr;
}

void SdlBackend::CloseAudio() { audio_.reset(); }

void SdlBackend::LockAudio() {
    if (audio_ != nullptr) audio_->Lock();
}

void SdlBackend::UnlockAudio() {
    if (audio_ != nullptr) audio_->Unlock();
}

}  // namespace platform::sdl
