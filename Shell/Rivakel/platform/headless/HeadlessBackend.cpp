#include "platform/headless/HeadlessBackend.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/fonts/Fonts.h"
#include "platform/posix/CloseSignals.h"

namespace platform::headless {
namespace {

using namespace std::chrono;

int64_t ToUnixMs(const CalendarTime& t) {
    const sys_days day{year{t.year} / month{static_cast<unsigned>(t.month)} / std::chrono::day{static_cast<unsigned>(t.day)}};
    const auto stamp = day + hours{t.hour} + minutes{t.minute} + seconds{t.second} + milliseconds{t.millisecond};
    return duration_cast<milliseconds>(stamp.time_since_epoch()).count();
}

CalendarTime FromUnixMs(int64_t ms) {
    const sys_time<milliseconds> stamp{milliseconds{ms}};
    const sys_days day = floor<days>(stamp);
    const year_month_day ymd{day};
    const hh_mm_ss<milliseconds> time{stamp - day};
    CalendarTime t;
    t.year = static_cast<int>(ymd.year());
    t.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    t.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    t.hour = static_cast<int>(time.hours().count());
    t.minute = static_cast<int>(time.minutes().count());
    t.second = static_cast<int>(time.seconds().count());
    t.millisecond = static_cast<int>(time.subseconds().count());
    return t;
}

}  // namespace

HeadlessBackend::HeadlessBackend(Clock clock)
    : clock_(clock),
      tickMs_(clock == Clock::Wall ? static_cast<uint32_t>(
                                         duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count())
                                   : 0),
      utcMs_(clock == Clock::Wall
                 ? duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count()
                 : ToUnixMs(CalendarTime{2010, 1, 1, 0, 0, 0, 0})) {}

HeadlessBackend::~HeadlessBackend() { CloseAudio(); }

uint32_t HeadlessBackend::WallElapsedMs() const {
    if (clock_ == Clock::Driven) return 0;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now() - wallStart_).count());
}

uint32_t HeadlessBackend::RealWaitMs(uint32_t timeoutMs) const {
    return clock_ == Clock::Wall ? timeoutMs : std::min(realWaitMs_, timeoutMs);
}

uint32_t HeadlessBackend::TickMs() { return tickMs_ + WallElapsedMs(); }

CalendarTime HeadlessBackend::NowUtc() { return FromUnixMs(utcMs_ + WallElapsedMs()); }

void HeadlessBackend::SleepMs(uint32_t ms) {
    if (clock_ == Clock::Wall) {
        std::this_thread::sleep_for(milliseconds(ms));
    } else {
        AdvanceTime(ms);
    }
}

void HeadlessBackend::SetUtc(const CalendarTime& utc) { utcMs_ = ToUnixMs(utc) - WallElapsedMs(); }

void HeadlessBackend::AdvanceTime(uint32_t ms) {
    tickMs_ += ms;  // wraps like the multimedia timer
    utcMs_ += ms;
}

void HeadlessBackend::SetScreenSize(int width, int height) {
    screen_ = {width, height};
    usable_ = {0, 0, width, height};
}

void HeadlessBackend::SetUsableArea(Rect area) { usable_ = area; }

void HeadlessBackend::ChangeDisplay(int width, int height) {
    SetScreenSize(width, height);
    PushEvent(Event{.type = EventType::DisplayChanged, .width = width, .height = height});
}

std::unique_ptr<Window> HeadlessBackend::CreateWindow(const WindowParams& params) {
    if (windowsRefused_ || params.width <= 0 || params.height <= 0) return nullptr;
    Point position = params.position.value_or(
        Point{usable_.left + (usable_.Width() - params.width) / 2, usable_.top + (usable_.Height() - params.height) / 2});
    auto window = std::make_unique<HeadlessWindow>(*this, params, position);
    if (params.visible) window->Show();
    return window;
}

void HeadlessBackend::Register(HeadlessWindow* window) { windows_.push_back(window); }

void HeadlessBackend::Unregister(HeadlessWindow* window) {
    std::erase(windows_, window);
    if (active_ == window) active_ = nullptr;
}

void HeadlessBackend::MakeActive(HeadlessWindow* window) {
    if (active_ == window) return;
    HeadlessWindow* previous = active_;
    active_ = window;
    if (previous != nullptr) previous->SetActive(false);
    if (window != nullptr) window->SetActive(true);
}

HeadlessWindow* HeadlessBackend::MainWindow() const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if (!(*it)->IsSplash()) return *it;
    }
    return nullptr;
}

bool HeadlessBackend::PollEvent(Event& event) {
    if (TakeCloseSignal()) {
        event = Event{.type = EventType::SessionEnding};
        return true;
    }
    std::lock_guard lock(queueMutex_);
    if (queue_.empty()) return false;
    event = queue_.front();
    queue_.pop_front();
    return true;
}

bool HeadlessBackend::WaitEvent(Event& event, uint32_t timeoutMs) {
    if (PollEvent(event)) return true;
    if (timeoutMs == 0) return false;
    if (const uint32_t real = RealWaitMs(timeoutMs); real > 0) {
        std::unique_lock lock(queueMutex_);
        if (queueSignal_.wait_for(lock, milliseconds(real), [this] { return !queue_.empty(); })) {
            event = queue_.front();
            queue_.pop_front();
            return true;
        }
    }
    if (clock_ == Clock::Driven) AdvanceTime(timeoutMs);
    return false;
}

bool HeadlessBackend::WaitEventOrHandles(Event& event, uint32_t timeoutMs, std::span<WaitHandle> handles) {
    if (handles.empty()) return WaitEvent(event, timeoutMs);
    if (PollEvent(event)) {
        WaitForHandles(handles, 0);
        return true;
    }
    if (WaitForHandles(handles, 0) || timeoutMs == 0) return false;
    const uint32_t real = RealWaitMs(timeoutMs);
    if (real == 0) {
        AdvanceTime(timeoutMs);
        return false;
    }
    std::vector<WaitHandle> watched(handles.begin(), handles.end());
    watched.push_back(WaitHandle{.descriptor = queueWake_.Get(), .read = true});
    const auto start = steady_clock::now();
    const bool ready = WaitForHandles(watched, real);
    queueWake_.Drain();
    const auto waited = static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now() - start).count());
    std::copy(watched.begin(), watched.end() - 1, handles.begin());
    if (PollEvent(event)) return true;
    if (clock_ == Clock::Driven) AdvanceTime(ready ? std::min(waited, timeoutMs) : timeoutMs);
    return false;
}

void HeadlessBackend::PushEvent(const Event& event) {
    {
        std::lock_guard lock(queueMutex_);
        queue_.push_back(event);
    }
    queueSignal_.notify_all();
    queueWake_.Notify();
}

void HeadlessBackend::PostUserEvent(int message, intptr_t a, intptr_t b) {
    PushEvent(Event{.type = EventType::User, .message = message, .a = a, .b = b});
}

size_t HeadlessBackend::PendingEvents() const {
    std::lock_guard lock(queueMutex_);
    return queue_.size();
}

void HeadlessBackend::PushMouseMove(int x, int y) { PushEvent(Event{.type = EventType::MouseMove, .x = x, .y = y}); }

void HeadlessBackend::PushMouseDown(int x, int y, int button) {
    PushEvent(Event{.type = EventType::MouseDown, .x = x, .y = y, .button = button});
}

void HeadlessBackend::PushMouseUp(int x, int y, int button) {
    PushEvent(Event{.type = EventType::MouseUp, .x = x, .y = y, .button = button});
}

void HeadlessBackend::PushClick(int x, int y, int button) {
    PushMouseMove(x, y);
    PushMouseDown(x, y, button);
    PushMouseUp(x, y, button);
}

void HeadlessBackend::PushDoubleClick(int x, int y, int button) {
    PushClick(x, y, button);
    PushEvent(Event{.type = EventType::MouseDoubleClick, .x = x, .y = y, .button = button});
    PushMouseUp(x, y, button);
}

void HeadlessBackend::PushWheel(int x, int y, int notches) {
    PushEvent(Event{.type = EventType::MouseWheel, .x = x, .y = y, .wheel = notches});
}

void HeadlessBackend::PushKeyDown(int key, bool system) {
    PushEvent(Event{.type = EventType::KeyDown, .key = key, .system = system});
}

void HeadlessBackend::PushKeyUp(int key, bool system) {
    PushEvent(Event{.type = EventType::KeyUp, .key = key, .system = system});
}

void HeadlessBackend::PushKey(int key) {
    PushKeyDown(key);
    if (key == VkBack || key == VkTab || key == VkReturn || key == VkEscape) {
        PushEvent(Event{.type = EventType::Char, .ch = static_cast<uint8_t>(key)});
    }
    PushKeyUp(key);
}

void HeadlessBackend::PushText(std::string_view cp1252) {
    for (char c : cp1252) PushEvent(Event{.type = EventType::Char, .ch = static_cast<uint8_t>(c)});
}

void HeadlessBackend::PushClose() { PushEvent(Event{.type = EventType::CloseRequested}); }

std::unique_ptr<Cursor> HeadlessBackend::CreateCursor(PixelView image, Point hotSpot, uint32_t colourKey) {
    if (image.pixels == nullptr || image.width <= 0 || image.height <= 0) return nullptr;
    ++cursorsCreated_;
    return std::make_unique<HeadlessCursor>(image, hotSpot, colourKey);
}

int HeadlessBackend::MessageBox(std::string_view caption, std::string_view text, unsigned flags) {
    int answer = IdOk;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    messageBoxes_.push_back({std::string(caption), std::string(text), flags, answer});
    return answer;
}

void HeadlessBackend::StartTextInput(Rect caret) {
    textInput_ = true;
    caret_ = caret;
}

bool HeadlessBackend::OpenUrl(std::string_view url) {
    if (!IsOpenableUrl(url) || !urlOpeningWorks_) return false;
    urls_.emplace_back(url);
    return true;
}

std::unique_ptr<Font> HeadlessBackend::OpenFont(const FontRequest& request) {
    if (systemFonts_) {
        if (std::unique_ptr<Font> font = OpenSystemFont(request)) return font;
    }
    return OpenBitmapFont(request);
}

bool HeadlessBackend::OpenAudio(int rate, MixCallback mix) {
    std::lock_guard lock(audioMutex_);
    if (!audioAvailable_ || mix_ || rate <= 0 || !mix) return false;
    audioRate_ = rate;
    mix_ = std::move(mix);
    return true;
}

void HeadlessBackend::CloseAudio() {
    std::lock_guard lock(audioMutex_);
    mix_ = nullptr;
    audioRate_ = 0;
}

bool HeadlessBackend::AudioOpen() const {
    std::lock_guard lock(audioMutex_);
    return static_cast<bool>(mix_);
}

std::vector<int16_t> HeadlessBackend::PumpAudio(size_t frames) {
    std::lock_guard lock(audioMutex_);
    if (!mix_) return {};
    std::vector<int16_t> samples(frames * 2, 0);
    mix_(samples);
    return samples;
}

}  // namespace platform::headless
