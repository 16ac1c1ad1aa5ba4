// The thread that runs one request, and the signal that wakes it from any blocking call.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/Net.h"

class HttpWorker {
public:
    HttpWorker() = default;
    // Joins: the owner waits for the end (WaitEnded) before it lets go of the worker.
    ~HttpWorker();
    HttpWorker(const HttpWorker&) = delete;
    HttpWorker& operator=(const HttpWorker&) = delete;

    // False when no thread could be started.
    bool Launch(std::function<void()> body);
    const platform::CancelSignal& Cancel() const { return cancel_; }
    void RequestCancel() { cancel_.Cancel(); }
    // True once the body has returned; waits at most `ms` for it.
    bool WaitEnded(uint32_t ms);

private:
    platform::CancelSignal cancel_;
    std::mutex mutex_;
    std::condition_variable endedSignal_;
    bool ended_ = false;
    std::thread thread_;
};
