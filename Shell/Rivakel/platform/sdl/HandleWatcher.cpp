#include "platform/sdl/HandleWatcher.h"

namespace platform::sdl {

HandleWatcher::HandleWatcher(std::function<void()> wake) : wake_(std::move(wake)), thread_([this] { Run(); }) {}

HandleWatcher::~HandleWatcher() {
    {
        std::lock_guard lock(mutex_);
        state_ = State::Quitting;
    }
    stop_.Notify();
    changed_.notify_all();
    thread_.join();
}

void HandleWatcher::Watch(std::span<const WaitHandle> handles) {
    std::lock_guard lock(mutex_);
    handles_.assign(handles.begin(), handles.end());
    handles_.push_back(WaitHandle{.descriptor = stop_.Get(), .read = true});
    state_ = State::Watching;
    changed_.notify_all();
}

void HandleWatcher::Stop() {
    std::unique_lock lock(mutex_);
    if (state_ == State::Watching) {
        stop_.Notify();
        changed_.wait(lock, [this] { return state_ != State::Watching; });
    }
    stop_.Drain();
}

void HandleWatcher::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return state_ != State::Idle; });
        if (state_ == State::Quitting) return;
        std::vector<WaitHandle> handles = handles_;
        lock.unlock();
        WaitForHandles(handles, UINT32_MAX / 2);
        const bool stopped = handles.back().readable;
        lock.lock();
        if (state_ == State::Quitting) return;
        if (!stopped) wake_();
        state_ = State::Idle;
        changed_.notify_all();
    }
}

}  // namespace platform::sdl
