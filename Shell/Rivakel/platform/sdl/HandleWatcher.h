// SDL waits for window events only: this thread watches the loop's descriptors meanwhile and
// wakes the SDL wait (through `wake`) when one of them is ready.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "platform/Net.h"
#include "platform/posix/WakeDescriptor.h"

namespace platform::sdl {

class HandleWatcher {
public:
    explicit HandleWatcher(std::function<void()> wake);
    ~HandleWatcher();
    HandleWatcher(const HandleWatcher&) = delete;
    HandleWatcher& operator=(const HandleWatcher&) = delete;

    // Watches copies of `handles` until one is ready (then `wake` runs once) or Stop.
    void Watch(std::span<const WaitHandle> handles);
    // Ends the watch; afterwards the thread no longer looks at the descriptors.
    void Stop();

private:
    enum class State { Idle, Watching, Quitting };
    void Run();

    std::function<void()> wake_;
    posix::WakeDescriptor stop_;
    std::mutex mutex_;
    std::condition_variable changed_;
    State state_ = State::Idle;
    std::vector<WaitHandle> handles_;
    std::thread thread_;
};

}  // namespace platform::sdl
